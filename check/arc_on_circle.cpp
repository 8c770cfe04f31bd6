#include <cmath>
#include <numbers>

#include "check/checked_pieces.h"
#include "geometry/vector3.h"

namespace dxfelem {

bool CentreOf(const CheckedPiece& piece, Point3& centre, double& radius) {
  const Point3 ab = piece.b - piece.a;
  const Point3 am = piece.m - piece.a;
  const double twiceArea = Cross(ab, am).z;
  const bool full = Length(ab) <= 1e-9 && Length(am) > 1e-9;  // m lies opposite a
  if (!full && std::fabs(twiceArea) < 1e-12) return false;
  centre = 0.5 * (piece.a + piece.m);
  if (!full) {
    const double d = 2.0 * twiceArea;
    centre = piece.a +
             Point3{(am.y * Dot(ab, ab) - ab.y * Dot(am, am)) / d, (ab.x * Dot(am, am) - am.x * Dot(ab, ab)) / d, 0.0};
  }
  radius = Length(piece.a - centre);
  return true;
}

bool CircleOf(const CheckedPiece& piece, ArcOnCircle& arc) {
  if (!CentreOf(piece, arc.centre, arc.radius)) return false;
  const Point3 ab = piece.b - piece.a;
  const double twiceArea = Cross(ab, piece.m - piece.a).z;
  const bool full = Length(ab) <= 1e-9;
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
