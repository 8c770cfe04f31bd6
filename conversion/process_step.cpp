#include "conversion/process_step.h"

#include "conversion/conversion_job.h"
#include "geometry/profile_chaining.h"

namespace dxfelem {

void ProcessDrawing(ConversionJob& job) {
  if (!job.drawing) return;
  const ParameterRecord& p = job.parameters;
  if (p.Connect != 0) {
    Chain(
        *job.drawing, static_cast<double>(p.Tollerance),
        [&job](const std::string& layer) { return IsCodedLayer(job.selection, job.parameters, layer); },
        p.IniConnect == 1);
    Clean(*job.drawing);
  }
  if (p.InvProfili != 0) ReverseAll(*job.drawing);
}

}  // namespace dxfelem
