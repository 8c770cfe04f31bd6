#include "conversion/status_info.h"

#include <cstring>

namespace dxfelem {
namespace {

void CopyBounded(char (&field)[256], const std::string& text) {
  std::size_t length = text.size() < sizeof field ? text.size() : sizeof field;
  std::memcpy(field, text.data(), length);
  std::memset(field + length, 0, sizeof field - length);
}

}  // namespace

void ResetResult(ConversionResult& result) {
  result.errorCode = 0;
  result.status = 500;
  result.hasFileName = 0;
  result.fileName[0] = 0;
  result.reservedText2[0] = 0;
  result.reservedText3[0] = 0;
  result.reservedText4[0] = 0;
  result.reservedValue1 = 0;
  result.reservedValue2 = 0;
}

void CopyStatusToResult(const StatusInfo& status, ConversionResult& result) {
  result.errorCode = status.errorCode;
  result.status = status.status;
  result.hasFileName = status.hasFileName;
  CopyBounded(result.fileName, status.fileName);
  CopyBounded(result.reservedText2, status.reservedText2);
  CopyBounded(result.reservedText3, status.reservedText3);
  result.reservedValue1 = status.reservedValue1;
  result.reservedValue2 = status.reservedValue2;
  CopyBounded(result.reservedText4, status.reservedText4);
}

}  // namespace dxfelem
