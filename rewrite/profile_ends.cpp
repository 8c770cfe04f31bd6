#include "rewrite/profile_ends.h"

#include <cmath>

#include "geometry/arc_record.h"
#include "kernel/tg_angle.h"

namespace dxfelem {
namespace {

// Coordinates this close count as equal when an angle is snapped to an axis.
constexpr double kAxisSnap = 1e-8;

// The angle of a vector in degrees, 0 <= angle < 360, exactly on the axes
// when the other coordinate differs by at most 1e-8.
double AngleOf(double dx, double dy) {
  if (std::fabs(dx) <= kAxisSnap && std::fabs(dy) > kAxisSnap) return dy > 0.0 ? 90.0 : 270.0;
  if (std::fabs(dy) <= kAxisSnap && std::fabs(dx) > kAxisSnap) return dx > 0.0 ? 0.0 : 180.0;
  return tg_convert_angle(TG_RADIANS, TG_DEGREES, std::atan2(dy, dx));
}

double Normalized(double degrees) {
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0.0) reduced += 360.0;
  return reduced;
}

// The arc's turn as it is travelled from `from` through `middle` to `to`.
bool ArcTurn(const Point3& from, const Point3& middle, const Point3& to, int32_t& direction) {
  return ArcDirection(from, middle, to, direction);
}

}  // namespace

bool PieceAtEnd(const Element& element, ProfileEnd which, EndPiece& piece) {
  const NodeList& nodes = element.nodes();
  const std::size_t n = nodes.size();
  if (n < 2 || nodes.front().code == kNodeIso) return false;
  if (which == ProfileEnd::kStart) {
    piece.end = nodes[0].point();
    piece.isArc = nodes[1].code == kNodeMed;
    if (piece.isArc && n < 3) return false;
    piece.middle = nodes[1].point();
    piece.inner = piece.isArc ? nodes[2].point() : nodes[1].point();
  } else {
    piece.end = nodes[n - 1].point();
    piece.isArc = nodes[n - 2].code == kNodeMed;
    if (piece.isArc && n < 3) return false;
    piece.middle = nodes[n - 2].point();
    piece.inner = piece.isArc ? nodes[n - 3].point() : nodes[n - 2].point();
  }
  return true;
}

bool CircleCentre(const Point3& a, const Point3& b, const Point3& c, double& cx, double& cy) {
  const double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  if (d == 0.0 || !std::isfinite(d)) return false;
  const double a2 = a.x * a.x + a.y * a.y;
  const double b2 = b.x * b.x + b.y * b.y;
  const double c2 = c.x * c.x + c.y * c.y;
  cx = (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d;
  cy = (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d;
  return std::isfinite(cx) && std::isfinite(cy);
}

namespace {

// The circle of an arc piece and its turn as the profile runs through it.
bool ArcOfPiece(const EndPiece& piece, ProfileEnd which, double& cx, double& cy, int32_t& turn) {
  const bool atStart = which == ProfileEnd::kStart;
  const Point3& from = atStart ? piece.end : piece.inner;
  const Point3& to = atStart ? piece.inner : piece.end;
  return CircleCentre(from, piece.middle, to, cx, cy) && ArcTurn(from, piece.middle, to, turn);
}

// A line piece in the direction the profile runs.
void LineOfPiece(const EndPiece& piece, ProfileEnd which, const Point3*& a, const Point3*& b) {
  a = which == ProfileEnd::kStart ? &piece.end : &piece.inner;
  b = which == ProfileEnd::kStart ? &piece.inner : &piece.end;
}

}  // namespace

bool TravelDirection(const EndPiece& piece, ProfileEnd which, double& dx, double& dy) {
  if (!piece.isArc) {
    const Point3* a = nullptr;
    const Point3* b = nullptr;
    LineOfPiece(piece, which, a, b);
    const double sx = b->x - a->x;
    const double sy = b->y - a->y;
    const double length = std::sqrt(sx * sx + sy * sy);
    if (!(length > 0.0) || !std::isfinite(length)) return false;
    dx = sx / length;
    dy = sy / length;
    return true;
  }
  double cx = 0.0;
  double cy = 0.0;
  int32_t turn = 0;
  if (!ArcOfPiece(piece, which, cx, cy, turn)) return false;
  // The tangent is the radius turned a quarter: left for counter-clockwise.
  const double rx = piece.end.x - cx;
  const double ry = piece.end.y - cy;
  const double radius = std::sqrt(rx * rx + ry * ry);
  if (!(radius > 0.0)) return false;
  dx = turn == 1 ? -ry / radius : ry / radius;
  dy = turn == 1 ? rx / radius : -rx / radius;
  return true;
}

bool TravelAngle(const EndPiece& piece, ProfileEnd which, double& degrees) {
  if (!piece.isArc) {
    const Point3* a = nullptr;
    const Point3* b = nullptr;
    LineOfPiece(piece, which, a, b);
    if (a->x == b->x && a->y == b->y) return false;
    degrees = AngleOf(b->x - a->x, b->y - a->y);
    return true;
  }
  double cx = 0.0;
  double cy = 0.0;
  int32_t turn = 0;
  if (!ArcOfPiece(piece, which, cx, cy, turn)) return false;
  // The radius to the point, a quarter turn on in the arc's direction.
  degrees = Normalized(AngleOf(piece.end.x - cx, piece.end.y - cy) + (turn == 1 ? 90.0 : -90.0));
  return true;
}

}  // namespace dxfelem
