#include "geometry/arc_record.h"

#include <cmath>
#include <initializer_list>

namespace dxfelem {
namespace {

// The kernel's rounded quarter turn, not the exact pi / 2.
constexpr double kQuarterTurn = 1.5707963268;
// When neither candidate can be told apart from the chord by its turn, a
// candidate this close to the chord midpoint is taken whole.
constexpr double kNearChord = 0.009999999776482582;

double Distance2D(double ax, double ay, double bx, double by) {
  const double dx = ax - bx;
  const double dy = ay - by;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

ArcRecord MakeArcRecord(const Point3& start, const Point3& end, double centreX, double centreY, int32_t direction) {
  ArcRecord arc;
  arc.start = start;
  arc.end = end;
  arc.centreX = centreX;
  arc.centreY = centreY;
  arc.direction = direction;
  arc.radius = Distance2D(start.x, start.y, centreX, centreY);
  return arc;
}

bool ArcDirection(const Point3& a, const Point3& b, const Point3& c, int32_t& direction) {
  const bool ab = a.x == b.x && a.y == b.y;
  const bool bc = b.x == c.x && b.y == c.y;
  const bool ac = a.x == c.x && a.y == c.y;
  if (ab || bc || ac) return false;
  const double cross = (c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x);
  if (cross == 0.0) return false;
  direction = cross < 0.0 ? 1 : 0;
  return true;
}

bool CircleCentreThrough(const Point3& a, const Point3& b, const Point3& c, double& centreX, double& centreY) {
  // Relative to a, the centre solves two linear equations: it is as far
  // from a as from b, and as from c.
  const double bx = b.x - a.x;
  const double by = b.y - a.y;
  const double cx = c.x - a.x;
  const double cy = c.y - a.y;
  const double determinant = 2.0 * (bx * cy - by * cx);
  if (determinant == 0.0) return false;
  const double b2 = bx * bx + by * by;
  const double c2 = cx * cx + cy * cy;
  centreX = a.x + (cy * b2 - by * c2) / determinant;
  centreY = a.y + (bx * c2 - cx * b2) / determinant;
  return std::isfinite(centreX) && std::isfinite(centreY);
}

bool ArcMiddlePoint(const ArcRecord& arc, Point3& middle) {
  const Point3& s = arc.start;
  const Point3& e = arc.end;
  const double cx = arc.centreX;
  const double cy = arc.centreY;
  const double z = (s.z + e.z) / 2.0;
  const double mx = (s.x + e.x) / 2.0;
  const double my = (s.y + e.y) / 2.0;
  middle = {mx, my, z};

  const double r1 = Distance2D(s.x, s.y, cx, cy);
  const double r2 = Distance2D(e.x, e.y, cx, cy);
  if (r1 == 0.0 || r2 == 0.0) return false;
  const double r = (r1 + r2) / 2.0;

  if (std::fabs(s.x - e.x) <= kArcCoincidence && std::fabs(s.y - e.y) <= kArcCoincidence) {
    // A full circle: the point opposite the start.
    if (cx == s.x && cy == s.y) return false;
    const double length = Distance2D(cx, cy, s.x, s.y);
    middle = {s.x + 2.0 * r * (cx - s.x) / length, s.y + 2.0 * r * (cy - s.y) / length, z};
    return true;
  }

  const double dxm = std::fabs(cx - mx);
  const double dym = std::fabs(cy - my);
  if ((dxm <= kArcCoincidence && dym <= kPointEqualityBound) ||
      (dxm <= kPointEqualityBound && dym <= kArcCoincidence)) {
    // A half circle: a quarter turn on from the start.
    const double phi = std::atan2(s.y - cy, s.x - cx);
    const double psi = arc.direction == 1 ? phi + kQuarterTurn : phi - kQuarterTurn;
    middle = {cx + r * std::cos(psi), cy + r * std::sin(psi), z};
    return true;
  }

  const double length = Distance2D(mx, my, cx, cy);
  if (length == 0.0) return false;
  const double ux = (mx - cx) / length;
  const double uy = (my - cy) / length;
  const Point3 a{cx + r * ux, cy + r * uy, z};
  const Point3 b{cx - r * ux, cy - r * uy, z};
  int32_t turn = 0;
  const bool decidedA = ArcDirection(s, a, e, turn);
  if (decidedA && turn == arc.direction) {
    middle = a;
    return true;
  }
  const bool decidedB = ArcDirection(s, b, e, turn);
  if (decidedB && turn == arc.direction) {
    middle = b;
    return true;
  }
  // Arcs of almost no sagitta: a candidate that cannot be told from the
  // chord by its turn is taken whole when it lies next to the chord midpoint.
  for (const Point3* candidate : {decidedA ? nullptr : &a, decidedB ? nullptr : &b}) {
    if (candidate != nullptr && std::fabs(candidate->x - mx) < kNearChord &&
        std::fabs(candidate->y - my) < kNearChord) {
      middle = *candidate;
      return true;
    }
  }
  return false;
}

}  // namespace dxfelem
