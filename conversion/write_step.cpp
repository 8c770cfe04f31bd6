#include "conversion/write_step.h"

#include "conversion/conversion_job.h"
#include "output/text_element_writer.h"

namespace dxfelem {

StatusInfo WriteDrawing(ConversionJob& job) {
  StatusInfo status;
  if (job.drawing && !WriteTextElementFile(*job.drawing, job.parameters.DecimaliTxt)) {
    status = StatusInfo::FileFailure(DXFELEM_E_FILE, job.drawing->name());
  }
  // The drawing may be large: it goes as soon as it is written.
  job.drawing.reset();
  return status;
}

}  // namespace dxfelem
