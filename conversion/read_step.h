// The read step of a conversion: open the drawing, check that it is a DXF
// file, scan its sections and run the entity pass into the job's drawing.
#pragma once

#include "conversion/status_info.h"

namespace dxfelem {

class ConversionJob;

// Fails with 8 (the file cannot be opened, with its name), 13 (not a DXF
// file), 14 (section scan), 4 (entity pass) or 41 (no element was created).
StatusInfo ReadDxfDrawing(ConversionJob& job);

}  // namespace dxfelem
