#include "geometry/processing_step.h"

#include "interface/conversion_job.h"

namespace dxfelem {

// The joining of pieces (Connect) and the reversal of profiles (InvProfili)
// are not built yet: the drawing is left as the reader built it.
int ProcessDrawing(ConversionJob&) { return 1; }

}  // namespace dxfelem
