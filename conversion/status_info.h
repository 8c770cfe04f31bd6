// The outcome of a call inside the library, and its copy into the caller's
// result record.
#pragma once

#include <cstdint>
#include <string>

#include "dxfelem/dxfelem.h"

namespace dxfelem {

// Every step of a call answers with one: the code (0 when it succeeded) and,
// where a file is concerned, its name. The entry frame turns it into the
// caller's result record.
struct [[nodiscard]] StatusInfo {
  int32_t status = 500;
  int32_t hasFileName = 0;
  std::string fileName;
  std::string reservedText2;
  std::string reservedText3;
  int32_t reservedValue1 = 0;
  int32_t reservedValue2 = 0;
  std::string reservedText4;
  int32_t errorCode = 0;

  static StatusInfo Success() { return StatusInfo{}; }
  static StatusInfo Failure(int32_t code) {
    StatusInfo status;
    status.Fail(code);
    return status;
  }
  static StatusInfo FileFailure(int32_t code, const std::string& name) {
    StatusInfo status;
    status.FailWithFile(code, name);
    return status;
  }
  bool ok() const { return errorCode == 0; }

  void Reset() { *this = StatusInfo{}; }
  // Records a failure; status is always 500 + the code.
  void Fail(int32_t code) {
    errorCode = code;
    status = 500 + code;
  }
  void FailWithFile(int32_t code, const std::string& name) {
    Fail(code);
    hasFileName = 1;
    fileName = name;
  }
};

void ResetResult(ConversionResult& result);
// Texts are copied with a bounded copy of 256 bytes: a shorter text is
// padded with zero bytes, a longer one fills the field without a terminator.
void CopyStatusToResult(const StatusInfo& status, ConversionResult& result);

}  // namespace dxfelem
