// The six exported functions. Each runs the common frame around its body.
#include <memory>
#include <new>

#include "conversion/conversion_driver.h"
#include "conversion/conversion_job.h"
#include "dxfelem/dxfelem.h"
#include "interface/entry_frame.h"
#include "listing/drawing_listing.h"
#include "rewrite/rewrite_call.h"

using dxfelem::ArgumentText;
using dxfelem::CallOutcome;
using dxfelem::CallResult;
using dxfelem::StatusInfo;

namespace {

CallResult Convert(const char* parameterFile, const char* section, const char* dxfFile, const char* outputFile,
                   dxfelem::InchFlagSource inchFlagSource) {
  dxfelem::ReplaceBlockTables();
  std::unique_ptr<dxfelem::ConversionJob> job(
      new (std::nothrow) dxfelem::ConversionJob(ArgumentText(dxfFile), ArgumentText(outputFile)));
  if (!job) return {CallOutcome::kNoMemory, {}};
  StatusInfo status = dxfelem::RunConversion(*job, ArgumentText(parameterFile), ArgumentText(section), inchFlagSource);
  const CallOutcome outcome = status.ok() ? CallOutcome::kSucceeded : CallOutcome::kFailed;
  return {outcome, std::move(status)};
}

CallResult List(const char* parameterFile, const char* section, const char* dxfFile, const char* listFile,
                dxfelem::ListingKind kind) {
  // No element file is written: the job's drawing is named after nothing.
  std::unique_ptr<dxfelem::ConversionJob> job(new (std::nothrow) dxfelem::ConversionJob(ArgumentText(dxfFile), ""));
  if (!job) return {CallOutcome::kNoMemory, {}};
  StatusInfo status =
      dxfelem::RunListing(*job, ArgumentText(parameterFile), ArgumentText(section), kind, ArgumentText(listFile));
  const CallOutcome outcome = status.ok() ? CallOutcome::kSucceeded : CallOutcome::kFailed;
  return {outcome, std::move(status)};
}

CallResult Rewrite(const char* parameterFile, const char* section, const char* inputFile, const char* layer,
                   int32_t operation, double* value1, double* value2) {
  dxfelem::RewriteRequest request{ArgumentText(parameterFile),
                                  ArgumentText(section),
                                  ArgumentText(inputFile),
                                  ArgumentText(layer),
                                  operation,
                                  value1,
                                  value2};
  return dxfelem::RewriteElementFile(request);
}

}  // namespace

extern "C" {

DXFELEM_API int32_t DXFELEM_CALL DxfToTxt(const char* parameterFile, const char* section, const char* dxfFile,
                                          const char* outputFile, const char* completionFile,
                                          ConversionResult* result) {
  return dxfelem::RunEntryFrame(result, nullptr, completionFile, [&] {
    return Convert(parameterFile, section, dxfFile, outputFile, dxfelem::InchFlagSource::kJob);
  });
}

DXFELEM_API int32_t DXFELEM_CALL DxfToTxtNet(const char* parameterFile, const char* section, const char* dxfFile,
                                             const char* outputFile, const char* completionFile, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, [&] {
    return Convert(parameterFile, section, dxfFile, outputFile, dxfelem::InchFlagSource::kProcessCopy);
  });
}

DXFELEM_API int32_t DXFELEM_CALL DxfToLayersNet(const char* parameterFile, const char* section, const char* dxfFile,
                                                const char* listFile, const char* completionFile, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, [&] {
    return List(parameterFile, section, dxfFile, listFile, dxfelem::ListingKind::kLayers);
  });
}

DXFELEM_API int32_t DXFELEM_CALL DxfToBlocksNet(const char* parameterFile, const char* section, const char* dxfFile,
                                                const char* listFile, const char* completionFile, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, [&] {
    return List(parameterFile, section, dxfFile, listFile, dxfelem::ListingKind::kBlocks);
  });
}

// `spare` is not read.
DXFELEM_API int32_t DXFELEM_CALL TxtToTxt(const char* parameterFile, const char* section, const char* inputFile,
                                          const char* completionFile, const char* layer, int32_t operation,
                                          double* value1, double* value2, int32_t, ConversionResult* result) {
  return dxfelem::RunEntryFrame(result, nullptr, completionFile, [&] {
    return Rewrite(parameterFile, section, inputFile, layer, operation, value1, value2);
  });
}

DXFELEM_API int32_t DXFELEM_CALL TxtToTxtNet(const char* parameterFile, const char* section, const char* inputFile,
                                             const char* completionFile, const char* layer, int32_t operation,
                                             double* value1, double* value2, int32_t, int32_t* errorCode) {
  return dxfelem::RunEntryFrame(nullptr, errorCode, completionFile, [&] {
    return Rewrite(parameterFile, section, inputFile, layer, operation, value1, value2);
  });
}

}  // extern "C"
