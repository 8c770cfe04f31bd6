// One contour of a glyph, as cubic pieces in pen space, sampled and fitted
// with three-point arcs and segments into one path element.
#pragma once

#include <string_view>

#include "geometry/drawing.h"
#include "geometry/extrusion_frame.h"
#include "text/glyph_contours.h"

namespace dxfelem {

// How the points of one line of text reach the drawing: turned about the
// line's origin, mirrored about it on the mirrored faces, given the line's
// depth and carried through the entity's frame.
struct LinePlacement {
  PlanePoint origin;
  double angle = 0.0;  // radians; turned only when it is not (within 1e-5) zero
  bool mirrored = false;
  double depth = 0.0;
  FrameAxes frame;  // the text's frame, worked out once for all its points

  Point3 Place(PlanePoint p) const;
};

// The horizontal extent of a glyph's ink in pen space.
struct InkExtent {
  bool any = false;
  double left = 0.0;
  double right = 0.0;
  void Add(double x);
  double Width() const { return any ? right - left : 0.0; }
};

// Adds the contour (cubic control points in pen space) to `drawing` as one
// new path element on `layer`, with entity number 1.
void AddContourProfile(Drawing& drawing, const CubicChain& controls, const LinePlacement& placement,
                       std::string_view layer, InkExtent& ink);

}  // namespace dxfelem
