#include "conversion/conversion_driver.h"

#include <new>

#include "conversion/conversion_job.h"
#include "conversion/process_step.h"
#include "conversion/read_step.h"
#include "conversion/write_step.h"
#include "params/parameter_file.h"
#include "params/process_state.h"
#include "platform/profile_file.h"

namespace dxfelem {

void ReplaceBlockTables() {
  ProcessState& state = TheProcessState();
  state.macroBlocks.reset(new (std::nothrow) BlockDefinitionTable);
  state.operationBlocks.reset(new (std::nothrow) BlockDefinitionTable);
}

StatusInfo RunWithParameters(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                             InchFlagSource inchFlagSource, const std::function<StatusInfo()>& steps) {
  // The parameter file is read once and replaced once, at the end of the
  // call: its text stays in memory in between (nothing else reads it), so
  // the side texts, piece variables and settings written back reach it in
  // one step, and a failed read is never the base of a write.
  ProfileFile file(parameterFile);
  return RunWithParameters(job, file, section, inchFlagSource, steps);
}

StatusInfo RunWithParameters(ConversionJob& job, ProfileFile& file, const std::string& section,
                             InchFlagSource inchFlagSource, const std::function<StatusInfo()>& steps) {
  ReadParameters(job.parameters, job.selection, file, section);
  ProcessState& state = TheProcessState();
  state.parameterCopy = job.parameters;

  StatusInfo status;
  try {
    status = steps();
  } catch (...) {
    // The call ends through the guard, without the write-back; what the
    // reading wrote into the file is kept.
    file.Save();
    throw;
  }
  job.status = status;

  // These two run whatever happened before: the host must find its settings
  // in millimetres and written back even after a failed call.
  const ParameterRecord& flagRecord = inchFlagSource == InchFlagSource::kJob ? job.parameters : state.parameterCopy;
  if (flagRecord.inchFlag == 1) ScaleToMillimetres(job.parameters);
  WriteBackParameters(job.parameters, file, section);
  file.Save();
  return status;
}

StatusInfo RunConversion(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                         InchFlagSource inchFlagSource) {
  ProfileFile file(parameterFile);
  return RunConversion(job, file, section, inchFlagSource);
}

StatusInfo RunConversion(ConversionJob& job, ProfileFile& file, const std::string& section,
                         InchFlagSource inchFlagSource) {
  return RunWithParameters(job, file, section, inchFlagSource, [&job] {
    ElementWriting writing(job);
    StatusInfo status = ReadDxfDrawing(job);
    if (!status.ok()) return status;
    ProcessDrawing(job, writing.FollowProcessing());
    return writing.Finish();
  });
}

}  // namespace dxfelem
