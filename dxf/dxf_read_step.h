// The read step of a conversion: open the drawing, check that it is a DXF
// file, scan its sections and run the entity pass into the job's drawing.
#pragma once

namespace dxfelem {

class ConversionJob;

// Returns 1 on success. On failure the job's status holds the code: 8 (the
// file cannot be opened, with its name), 13 (not a DXF file), 14 (section
// scan), 4 (entity pass) or 41 (no element was created).
int ReadDxfDrawing(ConversionJob& job);

}  // namespace dxfelem
