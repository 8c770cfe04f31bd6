#include "geometry/biarc_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "geometry/curve_budget.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

constexpr int kSamples = 16;       // points checked along each piece
constexpr int kDeepestSplit = 48;  // halvings of one knot span

double DistanceToSegment(const Point3& q, const Point3& a, const Point3& b) {
  const Point3 ab = b - a;
  const double length2 = Dot(ab, ab);
  const double s = length2 > 0.0 ? std::clamp(Dot(q - a, ab) / length2, 0.0, 1.0) : 0.0;
  return Length(q - (a + s * ab));
}

// The arc that leaves A along the unit tangent T and reaches B; straight
// when B lies on the tangent ahead.
struct Arc {
  Point3 start;
  Point3 end;
  Point3 middle;
  Point3 centre;
  Point3 radial;   // unit, from the centre to the start
  Point3 tangent;  // unit, at the start
  double radius = 0.0;
  double sweep = 0.0;  // radians
  bool straight = false;
  bool valid = false;
};

Arc MakeArc(const Point3& a, const Point3& t, const Point3& b) {
  Arc arc;
  arc.start = a;
  arc.end = b;
  arc.tangent = t;
  const Point3 chord = b - a;
  const double chordLength = Length(chord);
  if (!(chordLength > 0.0)) return arc;
  const Point3 across = chord - Dot(chord, t) * t;
  const double acrossLength = Length(across);
  if (acrossLength <= 1e-12 * chordLength) {
    arc.straight = true;
    arc.valid = Dot(chord, t) > 0.0;
    return arc;
  }
  arc.radius = chordLength * chordLength / (2.0 * acrossLength);
  arc.centre = a + (arc.radius / acrossLength) * across;
  arc.radial = (1.0 / arc.radius) * (a - arc.centre);
  // The angle between tangent and chord is half the arc's angle.
  const double half = std::atan2(acrossLength, Dot(chord, t));
  arc.sweep = 2.0 * half;
  arc.middle = arc.centre + arc.radius * (std::cos(half) * arc.radial + std::sin(half) * t);
  arc.valid = std::isfinite(arc.radius) && IsFinite(arc.middle);
  return arc;
}

double DistanceToArc(const Point3& q, const Arc& arc) {
  if (arc.straight) return DistanceToSegment(q, arc.start, arc.end);
  const Point3 normal = Unit(Cross(arc.radial, arc.tangent));
  const Point3 r = q - arc.centre;
  const double height = Dot(r, normal);
  const Point3 inPlane = r - height * normal;
  double angle = std::atan2(Dot(inPlane, arc.tangent), Dot(inPlane, arc.radial));
  if (angle < 0.0) angle += 2.0 * std::numbers::pi;
  if (angle <= arc.sweep) return std::hypot(height, Length(inPlane) - arc.radius);
  return std::min(Length(q - arc.start), Length(q - arc.end));
}

// The tangent direction at t, from the side of the piece it bounds; where
// the derivative vanishes (a cusp, a repeated control point) the direction
// to a point a little along the piece.
Point3 TangentAt(const NurbsCurve& curve, double t, double towards, KnotSide side) {
  const CurvePoint at = EvaluateCurve(curve, t, side);
  const double length = Length(at.derivative);
  if (length > 0.0 && std::isfinite(length)) return (1.0 / length) * at.derivative;
  const Point3 near = EvaluateCurve(curve, t + (towards - t) * 1e-6, side).point;
  return side == KnotSide::kAfter ? Unit(near - at.point) : Unit(at.point - near);
}

class Fitter {
 public:
  Fitter(const NurbsCurve& curve, double tolerance, std::size_t mostPieces, CurveFit& fit)
      : curve_(curve), tolerance_(tolerance), mostPieces_(mostPieces), fit_(fit) {}

  // Fits [t0, t1], whose end points are p0 and p1.
  bool Fit(double t0, double t1, const Point3& p0, const Point3& p1, int depth) {
    Point3 samples[kSamples - 1];
    for (int i = 1; i < kSamples; ++i) {
      samples[i - 1] = EvaluateCurve(curve_, t0 + (t1 - t0) * i / kSamples).point;
    }
    // Accepted a little inside the tolerance: the curve between two checked
    // points may lie a little further out than at them.
    const double accept = 0.9 * tolerance_;
    double worst = 0.0;
    for (const Point3& q : samples) worst = std::max(worst, DistanceToSegment(q, p0, p1));
    if (worst <= accept) return Emit({p0, p0, p1, true}, worst);

    const Point3 tangent0 = TangentAt(curve_, t0, t1, KnotSide::kAfter);
    const Point3 tangent1 = TangentAt(curve_, t1, t0, KnotSide::kBefore);
    Arc first;
    Arc second;
    if (MakeBiarc(p0, tangent0, p1, tangent1, first, second)) {
      worst = 0.0;
      for (const Point3& q : samples)
        worst = std::max(worst, std::min(DistanceToArc(q, first), DistanceToArc(q, second)));
      if (worst <= accept) return Emit(PieceOf(first), worst) && Emit(PieceOf(second), worst);
    }
    if (depth >= kDeepestSplit) {
      fit_.problem = "a point where it cannot be followed by arcs (a cusp)";
      return false;
    }
    const double tm = 0.5 * (t0 + t1);
    if (!(tm > t0 && tm < t1)) {
      fit_.problem = "a piece too short to split";
      return false;
    }
    const Point3 pm = EvaluateCurve(curve_, tm).point;
    return Fit(t0, tm, p0, pm, depth + 1) && Fit(tm, t1, pm, p1, depth + 1);
  }

 private:
  // Two arcs, tangent to each other, from p0 along t0 to p1 arriving along
  // t1; their tangent points lie at the same distance d from both ends.
  static bool MakeBiarc(const Point3& p0, const Point3& t0, const Point3& p1, const Point3& t1, Arc& first,
                        Arc& second) {
    const Point3 v = p1 - p0;
    const double a = 2.0 * (1.0 - Dot(t0, t1));
    const double b = Dot(v, t0 + t1);
    const double vv = Dot(v, v);
    double d = 0.0;
    if (a > 1e-12) d = (-b + std::sqrt(b * b + a * vv)) / a;
    else if (Dot(v, t0) > 0.0) d = vv / (4.0 * Dot(v, t0));
    if (!(d > 0.0) || !std::isfinite(d)) return false;
    const Point3 q0 = p0 + d * t0;
    const Point3 q1 = p1 - d * t1;
    const Point3 joint = 0.5 * (q0 + q1);
    first = MakeArc(p0, t0, joint);
    second = MakeArc(joint, Unit(q1 - q0), p1);
    return first.valid && second.valid;
  }

  static FittedPiece PieceOf(const Arc& arc) { return {arc.start, arc.middle, arc.end, arc.straight}; }

  bool Emit(const FittedPiece& piece, double deviation) {
    if (fit_.pieces.size() >= mostPieces_) {
      fit_.problem =
          mostPieces_ >= kMostFittedPieces ? "more arcs than 200000 at this tolerance" : kCurveBudgetKeptSpent;
      return false;
    }
    ++fit_.piecesMade;
    fit_.worstDeviation = std::max(fit_.worstDeviation, deviation);
    if (piece.straight) fit_.pieces.push_back({piece.start, piece.start, piece.end, true});
    else fit_.pieces.push_back(piece);
    return true;
  }

  const NurbsCurve& curve_;
  double tolerance_;
  std::size_t mostPieces_;
  CurveFit& fit_;
};

// Where a flat curve turns from left to right or back within (t0, t1):
// a biarc follows a piece that bends one way far better than one that
// changes its bend. Found where the turn between neighbouring tangents,
// 32 along the span, changes its sign; curves out of the drawing's plane
// are split by halving alone.
std::vector<double> Inflections(const NurbsCurve& curve, double t0, double t1) {
  constexpr int kSteps = 32;
  std::vector<double> at;
  Point3 before = EvaluateCurve(curve, t0).derivative;
  double turnBefore = 0.0;
  for (int i = 1; i <= kSteps; ++i) {
    const double t = t0 + (t1 - t0) * i / kSteps;
    const Point3 tangent = EvaluateCurve(curve, t, KnotSide::kBefore).derivative;
    if (tangent.z != 0.0 || before.z != 0.0) return {};
    const double turn = Cross(before, tangent).z;
    if (turn * turnBefore < 0.0 && i > 1) at.push_back(t0 + (t1 - t0) * (i - 1) / kSteps);
    if (turn != 0.0) turnBefore = turn;
    before = tangent;
  }
  return at;
}

}  // namespace

CurveFit FitArcs(const NurbsCurve& curve, double tolerance, std::size_t mostPieces) {
  CurveFit fit;
  mostPieces = std::min(mostPieces, kMostFittedPieces);
  Fitter fitter(curve, tolerance, mostPieces, fit);
  const double start = CurveStart(curve);
  const double end = CurveEnd(curve);
  const Point3 first = EvaluateCurve(curve, start).point;
  const Point3 last = EvaluateCurve(curve, end, KnotSide::kBefore).point;
  // A straight curve is one segment, however many spans it has.
  bool straight = Length(last - first) > 0.0;
  for (int i = 1; straight && i < 4 * kSamples; ++i) {
    const Point3 q = EvaluateCurve(curve, start + (end - start) * i / (4 * kSamples)).point;
    straight = DistanceToSegment(q, first, last) <= 0.9 * tolerance;
  }
  if (straight) {
    fit.pieces.push_back({first, first, last, true});
    fit.piecesMade = 1;
    return fit;
  }
  double t0 = start;
  Point3 p0 = first;
  for (std::size_t k = static_cast<std::size_t>(curve.degree) + 1; k <= curve.controls.size(); ++k) {
    const double spanEnd = curve.knots[k];
    if (!(spanEnd > t0)) continue;
    std::vector<double> ends = Inflections(curve, t0, spanEnd);
    ends.push_back(spanEnd);
    for (const double t1 : ends) {
      const Point3 p1 = EvaluateCurve(curve, t1, KnotSide::kBefore).point;
      if (!fitter.Fit(t0, t1, p0, p1, 0)) {
        fit.pieces.clear();
        return fit;
      }
      t0 = t1;
      p0 = p1;
    }
  }
  return fit;
}

}  // namespace dxfelem
