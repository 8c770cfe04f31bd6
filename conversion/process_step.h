// The processing step of a conversion: joining pieces into profiles and
// turning profiles round, as the settings ask. It cannot fail.
#pragma once

namespace dxfelem {

class ConversionJob;

// Does nothing without a drawing.
void ProcessDrawing(ConversionJob& job);

}  // namespace dxfelem
