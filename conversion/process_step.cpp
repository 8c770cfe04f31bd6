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

bool ProcessesElementsAlone(const ConversionJob& job) { return job.parameters.Connect == 0; }

void ProcessElement(const ConversionJob& job, Element& element) {
  if (job.parameters.InvProfili != 0) ReverseProfile(element);
}

}  // namespace dxfelem
