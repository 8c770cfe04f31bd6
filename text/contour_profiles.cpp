#include "text/contour_profiles.h"

#include <cmath>

#include "geometry/arc_record.h"

namespace dxfelem {
namespace {

// The single-precision constants of the fitting, widened to double, and the
// double ones.
constexpr double kNoAngle = 9.999999747378752e-06;
constexpr double kMargin = 0.009999999776482582;
constexpr double kShortestArc = 0.3;
constexpr double kWidestSweep = 357.0;
constexpr double kCollinear = 1e-8;
constexpr double kPi = 3.14159265358979323846;

// The cubic of control points p[0..3] at t, in the Hermite form.
PlanePoint CubicAt(const PlanePoint* p, double t) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double h0 = 2 * t3 - 3 * t2 + 1;
  const double h1 = -2 * t3 + 3 * t2;
  const double h2 = 3 * (t3 - 2 * t2 + t);
  const double h3 = 3 * (t3 - t2);
  return {h0 * p[0].x + h1 * p[3].x + h2 * (p[1].x - p[0].x) + h3 * (p[3].x - p[2].x),
          h0 * p[0].y + h1 * p[3].y + h2 * (p[1].y - p[0].y) + h3 * (p[3].y - p[2].y)};
}

struct Circle {
  double x = 0.0;
  double y = 0.0;
};

// The circle through s, m and e in x and y: none when s is m or the three
// lie on a line; with s and e the same point, the one of diameter s-m.
bool CircleThrough(const Point3& s, const Point3& m, const Point3& e, Circle& centre) {
  if (s.x == m.x && s.y == m.y) return false;
  if (std::fabs((m.x - s.x) * e.y + (s.y - m.y) * e.x + s.x * m.y - s.y * m.x) <= kCollinear) return false;
  if (s.x == e.x && s.y == e.y) {
    centre = {(s.x + m.x) / 2.0, (s.y + m.y) / 2.0};
    return true;
  }
  return CircleCentreThrough(s, m, e, centre.x, centre.y);
}

// The sweep from s to e about the centre in the sense that passes m; a full
// turn when s and e coincide.
double Sweep(const Point3& s, const Point3& m, const Point3& e, const Circle& c) {
  if (std::fabs(s.x - e.x) <= kCollinear && std::fabs(s.y - e.y) <= kCollinear) return 2.0 * kPi;
  const double turn = 2.0 * kPi;
  auto angle = [&](const Point3& p) { return std::atan2(p.y - c.y, p.x - c.x); };
  auto counterClockwise = [&](double from, double to) {
    double sweep = std::fmod(to - from, turn);
    if (sweep < 0.0) sweep += turn;
    return sweep;
  };
  const double toEnd = counterClockwise(angle(s), angle(e));
  const double toMiddle = counterClockwise(angle(s), angle(m));
  return toMiddle <= toEnd ? toEnd : turn - toEnd;
}

// An arc is taken when it is long enough to follow and not nearly a full turn.
bool AcceptsArc(const Point3& s, const Point3& m, const Point3& e) {
  Circle centre;
  if (!CircleThrough(s, m, e, centre)) return false;
  const double radius = (std::hypot(s.x - centre.x, s.y - centre.y) + std::hypot(e.x - centre.x, e.y - centre.y)) / 2.0;
  const double length = radius * Sweep(s, m, e, centre);
  if (!(length >= kShortestArc) || std::fabs(length - kShortestArc) < kMargin) return false;
  const double degrees = std::fabs(length * 360.0 / (2.0 * kPi * radius));
  return degrees <= kWidestSweep && std::fabs(degrees - kWidestSweep) >= kMargin;
}

}  // namespace

Point3 LinePlacement::Place(PlanePoint p) const {
  if (std::fabs(angle) >= kNoAngle) {
    const double dx = p.x - origin.x;
    const double dy = p.y - origin.y;
    p = {origin.x + std::cos(angle) * dx + std::sin(angle) * dy,
         origin.y - std::sin(angle) * dx + std::cos(angle) * dy};
  }
  if (mirrored) p.x -= 2.0 * origin.x;
  return frame.Apply({p.x, p.y, depth});
}

void InkExtent::Add(double x) {
  if (!any || x < left) left = x;
  if (!any || x > right) right = x;
  any = true;
}

void AddContourProfile(Drawing& drawing, const CubicChain& controls, const LinePlacement& placement,
                       std::string_view layer, InkExtent& ink) {
  if (controls.empty()) return;
  ink.Add(controls.front().x);
  bool first = true;
  for (std::size_t piece = 0; piece + 3 < controls.size(); piece += 3) {
    PlanePoint samples[11];
    double t = 0.0;
    for (PlanePoint& sample : samples) {
      sample = CubicAt(&controls[piece], t);
      t += 0.1;  // accumulated, as the hosts step
    }
    static constexpr int kFirstSpans[] = {0, 5, 10};
    static constexpr int kLaterSpans[] = {0, 3, 6, 10};
    const int* bounds = piece == 0 ? kFirstSpans : kLaterSpans;
    const int spans = piece == 0 ? 2 : 3;
    for (int span = 0; span < spans; ++span) {
      const int j = bounds[span];
      const int k = bounds[span + 1];
      PlanePoint m{0.0, 0.0};
      for (int i = j + 1; i < k; ++i) {
        m.x += samples[i].x;
        m.y += samples[i].y;
      }
      m.x /= k - j - 1;
      m.y /= k - j - 1;
      const PlanePoint s = samples[j];
      const PlanePoint e = samples[k];
      Circle unused;
      const bool curved = CircleThrough({s.x, s.y, 0.0}, {m.x, m.y, 0.0}, {e.x, e.y, 0.0}, unused);
      const Point3 ps = placement.Place(s);
      const Point3 pm = placement.Place(m);
      const Point3 pe = placement.Place(e);
      const SegmentTarget target = first ? SegmentTarget::kNewElement : SegmentTarget::kCurrentElement;
      if (curved && AcceptsArc(ps, pm, pe)) drawing.AddArc(target, 1, ps, pm, pe, layer);
      else drawing.AddLine(target, 1, ps, pe, layer);
      first = false;
      ink.Add(e.x);
    }
  }
}

}  // namespace dxfelem
