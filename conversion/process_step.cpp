#include "conversion/process_step.h"

#include "conversion/conversion_job.h"
#include "geometry/profile_chaining.h"

namespace dxfelem {

void ProcessDrawing(ConversionJob& job, FinishedElements* finished) {
  if (!job.drawing) return;
  const ParameterRecord& p = job.parameters;
  if (p.Connect == 0) return;
  Chain(
      *job.drawing, static_cast<double>(p.Tollerance),
      [&job](const std::string& layer) { return IsCodedLayer(job.selection, job.parameters, layer); },
      p.IniConnect == 1, finished);
}

bool ProcessesElementsAlone(const ConversionJob& job) { return job.parameters.Connect == 0; }

bool ProcessElement(const ConversionJob& job, Element& element) {
  // The clean-up follows the joining, element by element as they are
  // written: one pass over the drawing's nodes instead of two.
  if (job.parameters.Connect != 0 && !CleanElement(element)) return false;
  if (job.parameters.InvProfili != 0) ReverseProfile(element);
  return true;
}

}  // namespace dxfelem
