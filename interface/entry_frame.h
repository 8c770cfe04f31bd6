// The frame every exported function runs: exception guard, reset of the
// result record, the call's own steps, the error code cell of the Net
// variants, the completion file and the return value.
#pragma once

#include <cstdint>
#include <string>

#include "conversion/call_outcome.h"
#include "dxfelem/dxfelem.h"
#include "interface/completion_file.h"

namespace dxfelem {

// Null texts from a careless caller are taken as empty ones.
inline std::string ArgumentText(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// Runs body() inside the frame and turns what it answers into the record.
// `callerRecord` is the record of the
// plain functions; the Net functions pass null and their error code cell,
// and so does a careless caller without a record.
template <typename Body>
int32_t RunEntryFrame(ConversionResult* callerRecord, int32_t* errorCell, const char* completionFile,
                      Body&& body) noexcept {
  try {
    ConversionResult ownRecord;  // the Net functions keep a record of their own
    ConversionResult& record = callerRecord != nullptr ? *callerRecord : ownRecord;
    ResetResult(record);
    if (errorCell != nullptr) *errorCell = record.errorCode;
    const CallResult result = body();
    const CallOutcome outcome = result.outcome;
    if (outcome == CallOutcome::kNoMemory) {
      // No completion file on this path: there was nothing to complete.
      record.errorCode = DXFELEM_E_MEMORY_OR_ENTITIES;
      record.status = 500 + DXFELEM_E_MEMORY_OR_ENTITIES;
      if (errorCell != nullptr) *errorCell = record.errorCode;
      return 0;
    }
    if (result.status.errorCode != 0) CopyStatusToResult(result.status, record);
    if (errorCell != nullptr) *errorCell = record.errorCode;
    if (outcome == CallOutcome::kFailedWithoutCompletion) return 0;
    WriteCompletionFile(ArgumentText(completionFile));
    return outcome == CallOutcome::kSucceeded ? 1 : 0;
  } catch (...) {
    // The record keeps what it held when the exception left the step; the
    // completion file is not written, so the host sees the call never ended.
    return 0;
  }
}

}  // namespace dxfelem
