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

// A finding of a check, marked on the picture: a red ring and the distance
// at a gap, a heavy red stroke over a double cut, a cross at a crossing, a
// circle round a tiny piece.
struct PreviewMark {
  enum Kind { kGap, kDoubleCut, kCrossing, kTiny } kind = kGap;
  double x = 0.0, y = 0.0;    // where
  double x2 = 0.0, y2 = 0.0;  // the other end of a gap or a double cut
  std::string label;          // the figure told beside it
};

// The SVG document, with the marks drawn over the elements.
std::string SvgPreview(const std::vector<FileElement>& elements, const std::string& title,
                       const std::vector<PreviewMark>& marks = {});

// The SVG path command of the arc from (x1, y1) through (x2, y2) to
// (x3, y3), in page coordinates: "A r r 0 large sweep x3 y3", or a line
// ("L x3 y3") when the three points lie on a line.
std::string ArcCommand(double x1, double y1, double x2, double y2, double x3, double y3);

}  // namespace dxfelem
