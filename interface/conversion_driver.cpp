#include "interface/conversion_driver.h"

#include <new>

#include "dxf/dxf_read_step.h"
#include "geometry/processing_step.h"
#include "interface/conversion_job.h"
#include "output/write_step.h"
#include "params/parameter_file.h"
#include "params/process_state.h"

namespace dxfelem {

void ReplaceBlockTables() {
  ProcessState& state = TheProcessState();
  state.macroBlocks.reset(new (std::nothrow) BlockDefinitionTable);
  state.operationBlocks.reset(new (std::nothrow) BlockDefinitionTable);
}

int RunConversion(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                  InchFlagSource inchFlagSource) {
  ReadParameters(job, parameterFile, section, 0);
  ProcessState& state = TheProcessState();
  state.parameterCopy = job.parameters;

  int ok = ReadDxfDrawing(job);
  if (ok) ok = ProcessDrawing(job);
  if (ok) ok = WriteDrawing(job);

  // These two run whatever happened before: the host must find its settings
  // in millimetres and written back even after a failed conversion.
  const ParameterRecord& flagRecord = inchFlagSource == InchFlagSource::kJob ? job.parameters : state.parameterCopy;
  if (flagRecord.inchFlag == 1) ScaleToMillimetres(job.parameters);
  WriteBackParameters(job, parameterFile, section, 6);
  return ok;
}

}  // namespace dxfelem
