#include <cmath>
#include <numbers>

#include "check/checked_pieces.h"
#include "geometry/vector3.h"

namespace dxfelem {

bool CircleOf(const CheckedPiece& piece, ArcOnCircle& arc) {
  const Point3 ab = piece.b - piece.a;
  const Point3 am = piece.m - piece.a;
  const double twiceArea = Cross(ab, am).z;
  const bool full = Length(ab) <= 1e-9 && Length(am) > 1e-9;  // m lies opposite a
  if (!full && std::fabs(twiceArea) < 1e-12) return false;
  arc.centre = 0.5 * (piece.a + piece.m);
  if (!full) {
    const double d = 2.0 * twiceArea;
    arc.centre = piece.a + Point3{(am.y * Dot(ab, ab) - ab.y * Dot(am, am)) / d,
                                  (ab.x * Dot(am, am) - am.x * Dot(ab, ab)) / d, 0.0};
  }
  arc.radius = Length(piece.a - arc.centre);
  const double turn = 2.0 * std::numbers::pi;
  const auto angle = [&](const Point3& p) {
    const double value = std::atan2(p.y - arc.centre.y, p.x - arc.centre.x);
    return value < 0.0 ? value + turn : value;
  };
  if (full) {
    arc.start = 0.0;
    arc.sweep = turn;
    return true;
  }
  // Counter-clockwise from a to b when m lies to the right of the way from
  // a to b; otherwise the same stretch from b to a.
  const bool counter = twiceArea < 0.0;
  arc.start = counter ? angle(piece.a) : angle(piece.b);
  double end = counter ? angle(piece.b) : angle(piece.a);
  if (end <= arc.start) end += turn;
  arc.sweep = end - arc.start;
  return true;
}

}  // namespace dxfelem
