#include "cli/result_json.h"

#include <cstdio>
#include <cstring>

namespace dxfelem::cli {
namespace {

void AppendText(std::string& json, const char (&field)[256]) {
  const void* end = std::memchr(field, 0, sizeof field);
  std::size_t length = end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : sizeof field;
  json.push_back('"');
  for (std::size_t i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(field[i]);
    if (c == '"' || c == '\\') {
      json.push_back('\\');
      json.push_back(static_cast<char>(c));
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      json.append(escaped);
    } else {
      json.push_back(static_cast<char>(c));
    }
  }
  json.push_back('"');
}

void AppendNumber(std::string& json, const char* name, int32_t value) {
  json.append("\"").append(name).append("\": ").append(std::to_string(value));
}

}  // namespace

std::string ResultJson(int32_t returned, const ConversionResult& record) {
  std::string json = "{";
  AppendNumber(json, "returned", returned);
  json.append(", ");
  AppendNumber(json, "status", record.status);
  json.append(", ");
  AppendNumber(json, "hasFileName", record.hasFileName);
  json.append(", \"fileName\": ");
  AppendText(json, record.fileName);
  json.append(", \"reservedText2\": ");
  AppendText(json, record.reservedText2);
  json.append(", \"reservedText3\": ");
  AppendText(json, record.reservedText3);
  json.append(", ");
  AppendNumber(json, "reservedValue1", record.reservedValue1);
  json.append(", ");
  AppendNumber(json, "reservedValue2", record.reservedValue2);
  json.append(", \"reservedText4\": ");
  AppendText(json, record.reservedText4);
  json.append(", ");
  AppendNumber(json, "errorCode", record.errorCode);
  json.append("}");
  return json;
}

}  // namespace dxfelem::cli
