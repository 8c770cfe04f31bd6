// An element file written back as a plain DXF (R12, text), so that the
// result opens in any CAD program: segments as LINE, three-point arcs as
// ARC (a full turn as CIRCLE), holes as CIRCLE of their radius, isolated
// points as POINT, block calls as INSERT with the placement's scale factors
// and rotation, every entity on its element's layer.
#pragma once

#include <string>
#include <vector>

#include "picture/element_file_nodes.h"

namespace dxfelem {

// `renamed` tells the layers and blocks whose names a DXF may not hold, and
// the names they get instead.
std::string DxfExport(const std::vector<FileElement>& elements, std::vector<std::string>& renamed);

}  // namespace dxfelem
