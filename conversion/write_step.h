// The write step of a conversion: the element file, then the drawing is
// released.
#pragma once

#include "conversion/status_info.h"

namespace dxfelem {

class ConversionJob;

// Fails with code 8 and the element file's name when the file cannot be
// written whole. Either way the drawing is gone afterwards.
StatusInfo WriteDrawing(ConversionJob& job);

}  // namespace dxfelem
