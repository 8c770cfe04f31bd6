#include "geometry/ellipse_builder.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "geometry/arc_record.h"
#include "geometry/element_builders.h"
#include "kernel/kernel_codes.h"
#include "kernel/tg_angle.h"
#include "kernel/tg_ellipse.h"
#include "kernel/tg_point.h"

namespace dxfelem {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;
// The widened single-precision 0.01: start and end this close make a full ellipse.
constexpr double kFullEllipseGap = 0.009999999776482582;
// Pieces of a partial ellipse shorter than this (in parameter) are left out.
constexpr double kShortestPiece = 1e-9;

// The ellipse's own coordinates (u, v, w) on each face; w is carried along.
Point3 ToOwn(int face, const Point3& p) {
  switch (face) {
    case 3:
    case 5: return {p.x, p.z, -p.y};
    case 4:
    case 6: return {p.y, p.z, p.x};
    default: return p;
  }
}

bool IsMirrored(int face) { return face == 2 || face == 5 || face == 6; }

struct OwnEllipse {
  double cu, cv, cw;
  double a, b;
  double cosTheta, sinTheta;

  // The point of parameter t: centre + R(theta) (a cos t, b sin t).
  Point3 At(double t) const { return Place(a * std::cos(t), b * std::sin(t)); }
  // A point given relative to the unrotated centre.
  Point3 Place(double x, double y) const {
    return {cu + cosTheta * x - sinTheta * y, cv + sinTheta * x + cosTheta * y, cw};
  }
};

int RequestedPoints(long long count) {
  if (count > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (count < 0) return 0;
  return static_cast<int>(count);
}

struct ArcPoints {
  Point3 start, middle, end;
};

// What one ellipse is worked out in, kept from one ellipse to the next: a
// drawing of millions of them then allocates nothing for it.
struct EllipseBuffers {
  std::vector<tg_poly_3D> generated;
  std::vector<Point3> samples;
  std::vector<double> phi;
  std::vector<ArcPoints> arcs;
};

// The buffers of this thread for one ellipse, emptied; what a hostile count
// of points (up to a million) made them hold is given back when it is done.
class EllipseWork {
 public:
  EllipseWork() : buffers_(ThreadBuffers()) {
    buffers_.samples.clear();
    buffers_.arcs.clear();
  }
  ~EllipseWork() {
    constexpr std::size_t kKeptPoints = 4096;
    if (buffers_.generated.capacity() > kKeptPoints) buffers_ = EllipseBuffers();
  }
  EllipseWork(const EllipseWork&) = delete;
  EllipseWork& operator=(const EllipseWork&) = delete;
  EllipseBuffers& buffers() { return buffers_; }

 private:
  static EllipseBuffers& ThreadBuffers() {
    static thread_local EllipseBuffers buffers;
    return buffers;
  }
  EllipseBuffers& buffers_;
};

// The generator's points relative to the unrotated centre, clockwise from the top.
bool SamplePoints(double a, double b, int requested, EllipseBuffers& buffers) {
  int produced = 0;
  if (tg_ellipsepnts({-a, -b, 0.0, a, b, 0.0}, requested, produced, buffers.generated) != TG_OK) return false;
  for (const tg_poly_3D& point : buffers.generated) buffers.samples.push_back({point.x, point.y, 0.0});
  return buffers.samples.size() >= 3;
}

// A group of three samples cut short at the start or end point of a partial
// ellipse: its middle point is found again on the circle through the
// group's own three points, turning as the group turns. That point lies on
// the fitted circle, not on the ellipse, as the hosts draw it.
ArcPoints ShortenedArc(const ArcPoints& group, const Point3& from, const Point3& to) {
  ArcPoints arc{from, Point3{(from.x + to.x) / 2.0, (from.y + to.y) / 2.0, (from.z + to.z) / 2.0}, to};
  double centreX = 0.0;
  double centreY = 0.0;
  int32_t direction = 0;
  if (!CircleCentreThrough(group.start, group.middle, group.end, centreX, centreY) ||
      !ArcDirection(group.start, group.middle, group.end, direction)) {
    return arc;  // a straight group: the chord midpoint
  }
  ArcMiddlePoint(MakeArcRecord(from, to, centreX, centreY, direction), arc.middle);
  return arc;
}

}  // namespace

void AddEllipse(ElementSink& sink, long long requestedPoints, int face, const Point3& centre, const Point3& majorAxis,
                double ratio, double startParameter, double endParameter, const Frame& frame, int32_t entity,
                std::string_view layer) {
  // Faces outside 1..6 (no face chosen) keep the drawing's own axes, as face 1.
  const Point3 c = ToOwn(face, centre);
  const Point3 axis = ToOwn(face, majorAxis);
  OwnEllipse e{c.x, c.y, c.z, 0.0, 0.0, 1.0, 0.0};
  e.a = std::sqrt(axis.x * axis.x + axis.y * axis.y);
  e.b = e.a * ratio;
  double theta = tg_direction(TG_DIRECTION_RADIANS, c.x, c.y, c.x + axis.x, c.y + axis.y);
  if (IsMirrored(face)) theta = -theta;
  e.cosTheta = std::cos(theta);
  e.sinTheta = std::sin(theta);
  if (!std::isfinite(e.a) || !std::isfinite(e.b) || !std::isfinite(theta) || !std::isfinite(startParameter) ||
      !std::isfinite(endParameter)) {
    return;
  }

  const Point3 start = e.At(startParameter);
  const Point3 end = e.At(endParameter);
  const bool full = std::fabs(start.x - end.x) < kFullEllipseGap && std::fabs(start.y - end.y) < kFullEllipseGap;

  EllipseWork ellipseWork;
  EllipseBuffers& work = ellipseWork.buffers();
  if (!SamplePoints(e.a, e.b, RequestedPoints(requestedPoints), work)) return;
  const std::vector<Point3>& samples = work.samples;
  const std::size_t groups = (samples.size() - 1) / 2;

  std::vector<ArcPoints>& arcs = work.arcs;
  if (full) {
    for (std::size_t k = 0; k < groups; ++k) {
      arcs.push_back({e.Place(samples[2 * k].x, samples[2 * k].y), e.Place(samples[2 * k + 1].x, samples[2 * k + 1].y),
                      e.Place(samples[2 * k + 2].x, samples[2 * k + 2].y)});
    }
  } else {
    // The samples run clockwise from the top; phi measures that way round
    // in the ellipse's parameter, from 0 at the top to a full turn. The
    // drawing's arc runs counter-clockwise from start to end, so clockwise
    // it covers [phi(end), phi(end) + length]; groups are taken over two
    // turns to cover a range that passes the top.
    std::vector<double>& phi = work.phi;
    phi.resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
      double value = kPi / 2.0 - std::atan2(samples[i].y / e.b, samples[i].x / e.a);
      value = std::fmod(value, kTurn);
      if (value < 0.0) value += kTurn;
      phi[i] = value;
    }
    phi.front() = 0.0;
    phi.back() = kTurn;
    double length = std::fmod(endParameter - startParameter, kTurn);
    if (length <= 0.0) length += kTurn;
    double from = std::fmod(kPi / 2.0 - endParameter, kTurn);
    if (from < 0.0) from += kTurn;
    const double to = from + length;
    for (std::size_t k = 0; k < 2 * groups; ++k) {
      const std::size_t i = 2 * (k % groups);
      const double offset = k < groups ? 0.0 : kTurn;
      const double g0 = phi[i] + offset;
      const double g1 = phi[i + 2] + offset;
      const double c0 = std::max(g0, from);
      const double c1 = std::min(g1, to);
      if (c1 - c0 <= kShortestPiece) continue;
      const ArcPoints group{e.Place(samples[i].x, samples[i].y), e.Place(samples[i + 1].x, samples[i + 1].y),
                            e.Place(samples[i + 2].x, samples[i + 2].y)};
      if (c0 == g0 && c1 == g1) {
        arcs.push_back(group);
      } else {
        // A group cut at the end point (its first point) or at the start
        // point (its last): the samples run the other way round.
        arcs.push_back(ShortenedArc(group, c0 == g0 ? group.start : end, c1 == g1 ? group.end : start));
      }
    }
  }

  const FrameAxes axes(frame);
  for (ArcPoints arc : arcs) {
    arc.start = axes.Apply(arc.start);
    arc.middle = axes.Apply(arc.middle);
    arc.end = axes.Apply(arc.end);
    if (IsMirrored(face)) {
      // Mirrored about the centre as given: y on face 2, z on faces 5 and 6.
      for (Point3* p : {&arc.start, &arc.middle, &arc.end}) {
        if (face == 2) p->y = 2.0 * centre.y - p->y;
        else p->z = 2.0 * centre.z - p->z;
      }
      std::swap(arc.start, arc.end);
    }
    AddArc3(sink, SegmentTarget::kNewElement, entity, arc.start, arc.middle, arc.end, layer);
  }
}

}  // namespace dxfelem
