// The write step of a conversion: the element file, then the drawing is
// released.
#pragma once

namespace dxfelem {

class ConversionJob;

// Returns 1 when the element file was written; otherwise the job's status
// holds code 8 with the element file's name. Either way the drawing is gone
// afterwards.
int WriteDrawing(ConversionJob& job);

}  // namespace dxfelem
