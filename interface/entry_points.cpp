// The six exported functions. Each runs the common frame around its body.
#include <memory>
#include <new>

#include "dxfelem/dxfelem.h"
#include "interface/conversion_driver.h"
#include "interface/conversion_job.h"
#include "interface/entry_frame.h"

using dxfelem::ArgumentText;
using dxfelem::CallOutcome;

namespace {

CallOutcome Convert(const char* parameterFile, const char* section, const char* dxfFile, const char* outputFile,
                    ConversionResult& record, dxfelem::InchFlagSource inchFlagSource) {
  dxfelem::ReplaceBlockTables();
  std::unique_ptr<dxfelem::ConversionJob> job(
      new (std::nothrow) dxfelem::ConversionJob(ArgumentText(dxfFile), ArgumentText(outputFile)));
  if (!job) return CallOutcome::kNoMemory;
  if (dxfelem::RunConversion(*job, ArgumentText(parameterFile), ArgumentText(section), inchFlagSource)) {
    return CallOutcome::kSucceeded;
  }
  dxfelem::CopyStatusToResult(job->status, record);
  return CallOutcome::kFailed;
}

// The calls whose bodies are not built yet fail with code 4 after the frame.
CallOutcome NotAvailable(ConversionResult& record) {
  dxfelem::StatusInfo status;
  status.Fail(DXFELEM_E_MEMORY_OR_ENTITIES);
  dxfelem::CopyStatusToResult(status, record);
  return CallOutcome::kFailed;
}

}  // namespace

extern "C" {

DXFELEM_API int32_t DXFELEM_CALL DxfToTxt(const char* parameterFile, const char* section, const char* dxfFile,
                                          const char* outputFile, const char* completionFile,
                                          ConversionResult* result) {
  return dxfelem::RunEntryFrame(result, nullptr, completionFile, [&](ConversionResult& record) {
    return Convert(parameterFile, section, dxfFile, outputFile, record, dxfelem::InchFlagSource::kJob);
  });
}

DXFELEM_API int32_t DXFELEM_CALL DxfToTxtNet(const char* parameterFile, const char* section, const char* dxfFile,
                                             const char* outputFile, const char* completionFile,
                                             int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, [&](ConversionResult& record) {
    return Convert(parameterFile, section, dxfFile, outputFile, record, dxfelem::InchFlagSource::kProcessCopy);
  });
}

DXFELEM_API int32_t DXFELEM_CALL DxfToLayersNet(const char*, const char*, const char*, const char*,
                                                const char* completionFile, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, NotAvailable);
}

DXFELEM_API int32_t DXFELEM_CALL DxfToBlocksNet(const char*, const char*, const char*, const char*,
                                                const char* completionFile, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, NotAvailable);
}

DXFELEM_API int32_t DXFELEM_CALL TxtToTxt(const char*, const char*, const char*, const char* completionFile,
                                          const char*, int32_t, double*, double*, int32_t,
                                          ConversionResult* result) {
  return dxfelem::RunEntryFrame(result, nullptr, completionFile, NotAvailable);
}

DXFELEM_API int32_t DXFELEM_CALL TxtToTxtNet(const char*, const char*, const char*, const char* completionFile,
                                             const char*, int32_t, double*, double*, int32_t, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, NotAvailable);
}

}  // extern "C"
