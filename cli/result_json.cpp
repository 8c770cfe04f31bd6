#include "cli/result_json.h"

#include <cstring>

#include "cli/json_document.h"

namespace dxfelem::cli {
namespace {

std::string FieldText(const char (&field)[256]) {
  const void* end = std::memchr(field, 0, sizeof field);
  const std::size_t length =
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : sizeof field;
  return Utf8Text(std::string(field, length));
}

}  // namespace

std::string ResultJson(int32_t returned, const ConversionResult& record) {
  Json json;
  json["returned"] = returned;
  json["status"] = record.status;
  json["hasFileName"] = record.hasFileName;
  json["fileName"] = FieldText(record.fileName);
  json["reservedText2"] = FieldText(record.reservedText2);
  json["reservedText3"] = FieldText(record.reservedText3);
  json["reservedValue1"] = record.reservedValue1;
  json["reservedValue2"] = record.reservedValue2;
  json["reservedText4"] = FieldText(record.reservedText4);
  json["errorCode"] = record.errorCode;
  return JsonDocument(json);
}

}  // namespace dxfelem::cli
