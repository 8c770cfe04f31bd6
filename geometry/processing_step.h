// The processing step of a conversion: joining pieces into profiles and
// turning profiles round, as the settings ask.
#pragma once

namespace dxfelem {

class ConversionJob;

// Always succeeds (returns 1). Does nothing without a drawing.
int ProcessDrawing(ConversionJob& job);

}  // namespace dxfelem
