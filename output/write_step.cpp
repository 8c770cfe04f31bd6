#include "output/write_step.h"

#include "interface/conversion_job.h"
#include "output/text_element_writer.h"

namespace dxfelem {

int WriteDrawing(ConversionJob& job) {
  int ok = 1;
  if (job.drawing && !WriteTextElementFile(*job.drawing, job.parameters.DecimaliTxt)) {
    job.status.FailWithFile(DXFELEM_E_FILE, job.drawing->name());
    ok = 0;
  }
  // The drawing may be large: it goes as soon as it is written.
  job.drawing.reset();
  return ok;
}

}  // namespace dxfelem
