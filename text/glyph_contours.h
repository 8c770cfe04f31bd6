// A glyph's outline in the native TrueType form (polygon headers, then line
// and quadratic-spline records) as chains of cubic Bezier control points:
// the start point, then three control points per piece.
#pragma once

#include <cstdint>
#include <vector>

namespace dxfelem {

struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

using CubicChain = std::vector<PlanePoint>;

// The contours, in font units. A header of another type than a TrueType
// polygon ends the glyph; records of other types are passed over; a contour
// that does not end at its start gets a closing line.
std::vector<CubicChain> CubicContours(const std::vector<uint8_t>& outline);

}  // namespace dxfelem
