#include "geometry/processing_step.h"

#include "geometry/element_builders.h"
#include "geometry/profile_chaining.h"
#include "interface/conversion_job.h"

namespace dxfelem {

int ProcessDrawing(ConversionJob& job) {
  if (!job.drawing) return 1;
  const ParameterRecord& p = job.parameters;
  if (p.Connect != 0) {
    Chain(*job.drawing, static_cast<double>(p.Tollerance),
          [&job](const std::string& layer) { return IsCodedLayer(job, layer); }, p.IniConnect == 1);
    Clean(*job.drawing);
  }
  if (p.InvProfili != 0) ReverseAll(*job.drawing);
  return 1;
}

}  // namespace dxfelem
