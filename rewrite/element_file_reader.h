// Reading an element file back into a drawing, as the rewriting needs it.
#pragma once

#include <string>

#include "geometry/drawing.h"

namespace dxfelem {

// The most elements read from one file; the rest of a larger file is left out.
inline constexpr std::size_t kMostElementsRead = 65536;

// Reads the element file named by the drawing into it, line by line: each
// line a node, the element ending at a node that stands alone or ends a path
// (ISO, FIN, MCR, APL, PAR, TXT; ITP and unknown codes read as ISO). Layer
// and tag lose their spaces. False when the file cannot be opened.
bool ReadElementFile(Drawing& drawing);

}  // namespace dxfelem
