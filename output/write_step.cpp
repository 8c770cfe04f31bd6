#include "output/write_step.h"

#include "interface/conversion_job.h"

namespace dxfelem {

// The element file writer is not built yet, and no element can be read
// yet either, so this step is not reached; it releases the drawing.
int WriteDrawing(ConversionJob& job) {
  job.drawing.reset();
  return 1;
}

}  // namespace dxfelem
