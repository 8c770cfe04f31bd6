#include "interface/conversion_driver.h"

#include <new>

#include "dxf/dxf_read_step.h"
#include "geometry/processing_step.h"
#include "interface/conversion_job.h"
#include "listing/drawing_listing.h"
#include "output/write_step.h"
#include "params/parameter_file.h"
#include "params/process_state.h"
#include "platform/profile_file.h"

namespace dxfelem {

void ReplaceBlockTables() {
  ProcessState& state = TheProcessState();
  state.macroBlocks.reset(new (std::nothrow) BlockDefinitionTable);
  state.operationBlocks.reset(new (std::nothrow) BlockDefinitionTable);
}

namespace {

// Parameters in, the call's own steps, settings out.
template <typename Steps>
int RunWithParameters(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                      InchFlagSource inchFlagSource, Steps&& steps) {
  // The parameter file is read once and replaced once, at the end of the
  // call: its text stays in memory in between (nothing else reads it), so
  // the side texts, piece variables and settings written back reach it in
  // one step, and a failed read is never the base of a write.
  ProfileFile file(parameterFile);
  ReadParameters(job, file, section);
  ProcessState& state = TheProcessState();
  state.parameterCopy = job.parameters;

  int ok = 0;
  try {
    ok = steps();
  } catch (...) {
    // The call ends through the guard, without the write-back; what the
    // reading wrote into the file is kept.
    file.Save();
    throw;
  }

  // These two run whatever happened before: the host must find its settings
  // in millimetres and written back even after a failed call.
  const ParameterRecord& flagRecord = inchFlagSource == InchFlagSource::kJob ? job.parameters : state.parameterCopy;
  if (flagRecord.inchFlag == 1) ScaleToMillimetres(job.parameters);
  WriteBackParameters(job, file, section);
  file.Save();
  return ok;
}

}  // namespace

int RunConversion(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                  InchFlagSource inchFlagSource) {
  return RunWithParameters(job, parameterFile, section, inchFlagSource, [&job] {
    int ok = ReadDxfDrawing(job);
    if (ok) ok = ProcessDrawing(job);
    if (ok) ok = WriteDrawing(job);
    return ok;
  });
}

int RunListing(ConversionJob& job, const std::string& parameterFile, const std::string& section,
               ListingKind kind, const std::string& listFile) {
  return RunWithParameters(job, parameterFile, section, InchFlagSource::kProcessCopy, [&] {
    return kind == ListingKind::kLayers ? ListLayers(job, listFile) : ListBlocks(job, listFile);
  });
}

}  // namespace dxfelem
