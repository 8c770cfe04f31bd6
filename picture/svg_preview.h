// A picture of an element file: every element in its layer's colour, arcs
// as true arcs through their middle point, holes as circles, block and
// attribute nodes as labelled markers, the start and direction of every
// profile marked, open profiles dashed; y up as in the drawing, fitted to
// the page, with a legend of layers and a scale bar.
#pragma once

#include <string>
#include <vector>

#include "picture/element_file_nodes.h"

namespace dxfelem {

// The SVG document.
std::string SvgPreview(const std::vector<FileElement>& elements, const std::string& title);

// The SVG path command of the arc from (x1, y1) through (x2, y2) to
// (x3, y3), in page coordinates: "A r r 0 large sweep x3 y3", or a line
// ("L x3 y3") when the three points lie on a line.
std::string ArcCommand(double x1, double y1, double x2, double y2, double x3, double y3);

}  // namespace dxfelem
