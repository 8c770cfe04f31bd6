// SPLINE as arcs: the curve evaluation, the biarc fit within the tolerance
// and the reading of the groups. Curves are checked against an evaluation of
// their own (the recursive definition of the basis functions), not the one
// the library uses. The setting that turns it on, the SPLINEs of drawings
// saved by a CAD program against ezdxf's evaluation, and what `info` and
// `convert` tell: tests/data/transcripts (ezdxf-checks.t,
// splines-and-fonts.t).
#include "geometry/spline_arcs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "geometry/biarc_fit.h"
#include "geometry/fit_point_spline.h"
#include "geometry/nurbs_curve.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

// The basis function N(i, p) at t by its recursive definition, 0/0 as 0.
double Basis(const std::vector<double>& u, std::size_t i, int p, double t, bool last) {
  if (p == 0) {
    if (last) return u[i] < t && t <= u[i + 1] ? 1.0 : 0.0;
    return u[i] <= t && t < u[i + 1] ? 1.0 : 0.0;
  }
  const std::size_t q = static_cast<std::size_t>(p);
  double value = 0.0;
  if (u[i + q] > u[i]) value += (t - u[i]) / (u[i + q] - u[i]) * Basis(u, i, p - 1, t, last);
  if (u[i + q + 1] > u[i + 1])
    value += (u[i + q + 1] - t) / (u[i + q + 1] - u[i + 1]) * Basis(u, i + 1, p - 1, t, last);
  return value;
}

Point3 Independent(const NurbsCurve& c, double t) {
  const bool last = t >= CurveEnd(c);
  Point3 sum;
  double w = 0.0;
  for (std::size_t i = 0; i < c.controls.size(); ++i) {
    const double weight = c.weights.empty() ? 1.0 : c.weights[i];
    const double b = Basis(c.knots, i, c.degree, t, last) * weight;
    sum = sum + b * c.controls[i];
    w += b;
  }
  return (1.0 / w) * sum;
}

// The circle through three points: centre and radius.
void Circle(const Point3& a, const Point3& b, const Point3& c, Point3& centre, double& radius) {
  const Point3 ab = b - a;
  const Point3 ac = c - a;
  const Point3 n = Cross(ab, ac);
  const Point3 offset = (1.0 / (2.0 * Dot(n, n))) * (Dot(ac, ac) * Cross(n, ab) + Dot(ab, ab) * Cross(ac, n));
  centre = a + offset;
  radius = Length(offset);
}

double DistanceToPiece(const Point3& q, const FittedPiece& piece) {
  if (piece.straight) {
    const Point3 ab = piece.end - piece.start;
    const double s = std::clamp(Dot(q - piece.start, ab) / Dot(ab, ab), 0.0, 1.0);
    return Length(q - (piece.start + s * ab));
  }
  // The circle through the three points; the point's angle round it from
  // the start decides whether the nearest point is inside the arc.
  Point3 centre;
  double radius = 0.0;
  Circle(piece.start, piece.middle, piece.end, centre, radius);
  const Point3 e1 = (1.0 / radius) * (piece.start - centre);
  const Point3 normal = Cross(piece.start - centre, piece.middle - centre);
  const Point3 n = (1.0 / Length(normal)) * normal;
  const Point3 e2 = Cross(n, e1);
  auto angleOf = [&](const Point3& p) {
    const double a = std::atan2(Dot(p - centre, e2), Dot(p - centre, e1));
    return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
  };
  const double height = Dot(q - centre, n);
  const Point3 inPlane = q - height * n;
  if (angleOf(inPlane) <= angleOf(piece.end)) return std::hypot(height, Length(inPlane - centre) - radius);
  return std::min(Length(q - piece.start), Length(q - piece.end));
}

// The largest distance from dense points of the curve to the pieces.
double WorstDeviation(const NurbsCurve& curve, const std::vector<FittedPiece>& pieces, int points) {
  double worst = 0.0;
  for (int k = 0; k <= points; ++k) {
    const double t = CurveStart(curve) + (CurveEnd(curve) - CurveStart(curve)) * k / points;
    const Point3 q = Independent(curve, t);
    double nearest = 1e300;
    for (const FittedPiece& piece : pieces) nearest = std::min(nearest, DistanceToPiece(q, piece));
    worst = std::max(worst, nearest);
  }
  return worst;
}

NurbsCurve Clamped(int degree, std::vector<Point3> controls, std::vector<double> weights = {}) {
  NurbsCurve c;
  c.degree = degree;
  c.controls = std::move(controls);
  c.weights = std::move(weights);
  const std::size_t n = c.controls.size();
  const std::size_t spans = n - static_cast<std::size_t>(degree);
  c.knots.assign(static_cast<std::size_t>(degree) + 1, 0.0);
  for (std::size_t i = 1; i < spans; ++i) c.knots.push_back(static_cast<double>(i));
  c.knots.insert(c.knots.end(), static_cast<std::size_t>(degree) + 1, static_cast<double>(spans));
  return c;
}

TEST(SplineArcs, ARationalQuarterCircleComesBackAsArcsOfItsRadius) {
  const double w = std::sqrt(0.5);
  const NurbsCurve quarter = Clamped(2, {{10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, {1.0, w, 1.0});
  ASSERT_EQ(CurveProblem(quarter), "");
  const CurveFit fit = FitArcs(quarter, 0.01);
  ASSERT_EQ(fit.problem, "");
  ASSERT_FALSE(fit.pieces.empty());
  for (const FittedPiece& piece : fit.pieces) {
    ASSERT_FALSE(piece.straight);
    Point3 centre;
    double radius = 0.0;
    Circle(piece.start, piece.middle, piece.end, centre, radius);
    EXPECT_NEAR(radius, 10.0, 1e-9);
    EXPECT_NEAR(Length(centre), 0.0, 1e-9);
  }
  EXPECT_NEAR(Length(fit.pieces.front().start - Point3{10, 0, 0}), 0.0, 1e-12);
  EXPECT_NEAR(Length(fit.pieces.back().end - Point3{0, 10, 0}), 0.0, 1e-12);
}

TEST(SplineArcs, AStraightSplineIsOneSegment) {
  const NurbsCurve line = Clamped(1, {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {5, 5, 0}});
  const CurveFit fit = FitArcs(line, 0.01);
  ASSERT_EQ(fit.pieces.size(), 1u);
  EXPECT_TRUE(fit.pieces[0].straight);
  EXPECT_EQ(fit.pieces[0].end.x, 5.0);
  // A corner is kept: two segments.
  const CurveFit corner = FitArcs(Clamped(1, {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}}), 0.01);
  ASSERT_EQ(corner.pieces.size(), 2u);
  EXPECT_TRUE(corner.pieces[0].straight && corner.pieces[1].straight);
  EXPECT_EQ(corner.pieces[0].end.x, 4.0);
  EXPECT_EQ(corner.pieces[0].end.y, 0.0);
}

// The tangent of an arc piece at its start or end, along its travel.
Point3 ArcTangent(const FittedPiece& piece, bool atEnd) {
  if (piece.straight) return (1.0 / Length(piece.end - piece.start)) * (piece.end - piece.start);
  Point3 centre;
  double radius = 0.0;
  Circle(piece.start, piece.middle, piece.end, centre, radius);
  const Point3 normal = Cross(piece.start - centre, piece.middle - centre);
  const Point3 at = atEnd ? piece.end : piece.start;
  const Point3 t = Cross(normal, at - centre);
  return (1.0 / Length(t)) * t;
}

TEST(SplineArcs, RandomCurvesStayWithinWithTangentJointsAndArcsGrowSlowly) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> coordinate(0.0, 100.0);
  std::uniform_real_distribution<double> weight(0.5, 2.0);
  std::size_t coarse = 0;
  std::size_t fine = 0;
  for (int curve = 0; curve < 20; ++curve) {
    const int degree = 2 + curve % 4;
    std::vector<Point3> controls;
    std::vector<double> weights;
    for (int i = 0; i < degree + 1 + curve % 5; ++i) {
      controls.push_back({coordinate(random), coordinate(random), curve % 3 == 0 ? coordinate(random) / 10 : 0.0});
      weights.push_back(curve % 2 == 0 ? weight(random) : 1.0);
    }
    const NurbsCurve c = Clamped(degree, controls, weights);
    ASSERT_EQ(CurveProblem(c), "");
    const CurveFit a = FitArcs(c, 0.02);
    const CurveFit b = FitArcs(c, 0.01);
    ASSERT_EQ(a.problem, "") << curve;
    ASSERT_EQ(b.problem, "") << curve;
    EXPECT_LE(WorstDeviation(c, b.pieces, 2000), 0.01) << curve;
    EXPECT_LE(b.worstDeviation, 0.01);
    // The pieces join end to start, and arcs join with one tangent.
    for (std::size_t i = 1; i < b.pieces.size(); ++i) {
      EXPECT_EQ(Length(b.pieces[i].start - b.pieces[i - 1].end), 0.0);
      if (b.pieces[i].straight || b.pieces[i - 1].straight) continue;
      EXPECT_NEAR(Length(ArcTangent(b.pieces[i], false) - ArcTangent(b.pieces[i - 1], true)), 0.0, 1e-9)
          << curve << " joint " << i;
    }
    coarse += a.pieces.size();
    fine += b.pieces.size();
  }
  // The error of a biarc falls with the cube of its length: halving the
  // tolerance costs about a quarter more arcs, never twice as many.
  EXPECT_GT(fine, coarse);
  EXPECT_LT(fine, 2 * coarse);
}

// A periodic cubic: uniform knots beyond both ends and the first three
// control points repeated at the end, as CAD programs write closed splines.
TEST(SplineArcs, APeriodicSplineIsClosed) {
  SplineGroups spline;
  spline.Take(70, 3);  // closed, periodic
  spline.Take(71, 3);
  const std::vector<Point3> ring = {{0, 0, 0}, {20, -5, 0}, {30, 10, 0}, {15, 25, 0}, {-5, 15, 0}};
  for (std::size_t i = 0; i < ring.size() + 3; ++i) {
    spline.Take(10, ring[i % ring.size()].x);
    spline.Take(20, ring[i % ring.size()].y);
  }
  for (int k = -3; k <= static_cast<int>(ring.size()) + 3; ++k) spline.Take(40, k);
  const CurveFit fit = SplineArcs(spline, 0.01);
  ASSERT_EQ(fit.problem, "");
  ASSERT_GT(fit.pieces.size(), 4u);
  EXPECT_EQ(Length(fit.pieces.back().end - fit.pieces.front().start), 0.0);
  // Without the flag the ends meet all the same, to the rounding.
  spline.flags = 0;
  const CurveFit open = SplineArcs(spline, 0.01);
  EXPECT_LT(Length(open.pieces.back().end - open.pieces.front().start), 1e-9);
  // The joint is smooth: the last arc arrives along the first one's start.
  EXPECT_NEAR(Length(ArcTangent(fit.pieces.back(), true) - ArcTangent(fit.pieces.front(), false)), 0.0, 1e-6);
}

TEST(SplineArcs, CurvesThatCannotBeFollowedSayWhy) {
  const NurbsCurve good = Clamped(3, {{0, 0, 0}, {1, 2, 0}, {2, -1, 0}, {3, 0, 0}});
  NurbsCurve c = good;
  c.degree = 0;
  EXPECT_NE(CurveProblem(c), "");
  c.degree = 11;
  EXPECT_NE(CurveProblem(c), "");
  c = good;
  std::swap(c.knots[3], c.knots[4]);
  c.knots[4] = -1.0;
  EXPECT_EQ(CurveProblem(c), "knots that are not non-decreasing");
  c = good;
  c.weights = {1.0, 0.0, 1.0, 1.0};
  EXPECT_NE(CurveProblem(c), "");
  c.weights = {1.0, NAN, 1.0, 1.0};
  EXPECT_NE(CurveProblem(c), "");
  c = good;
  c.controls.pop_back();
  EXPECT_NE(CurveProblem(c), "");
  c = good;
  c.knots.assign(c.knots.size(), 1.0);
  EXPECT_EQ(CurveProblem(c), "an empty knot range");

  // Read from groups: too many points are refused without keeping them all.
  SplineGroups many;
  for (std::size_t i = 0; i < 100000; ++i) many.Take(10, static_cast<double>(i));
  EXPECT_EQ(many.controls.size(), kMostControlPoints + 1);
  SplineGroups knots;  // one more than the reading keeps (the most points and the highest degree, and one)
  for (std::size_t i = 0; i <= kMostControlPoints + 12; ++i) knots.Take(40, static_cast<double>(i));
  EXPECT_EQ(SplineArcs(knots, 0.01).problem, "more than 10000 control or fit points");
  EXPECT_EQ(SplineArcs(many, 0.01).problem, "more than 10000 control or fit points");
  // A drawing's curves share what they may keep and what they may make on
  // the way: a curve that needs more makes none, and costs what it made.
  SplineGroups wide;   // a few hundred arcs at 1e-6
  SplineGroups plain;  // one segment
  for (const Point3& p : {Point3{0, 0, 0}, Point3{1e4, 1e4, 0}, Point3{2e4, 0, 0}}) {
    wide.Take(11, p.x);
    wide.Take(21, p.y);
    plain.Take(11, p.x);
    plain.Take(21, 0.0);
  }
  CurveBudget budget(100, 250);
  for (const char* problem : {kCurveBudgetKeptSpent, kCurveBudgetKeptSpent, kCurveBudgetMadeSpent}) {
    const CurveFit fit = SplineArcs(wide, 1e-6, budget);
    EXPECT_EQ(fit.problem, problem);
    EXPECT_EQ(fit.piecesMade, fit.problem == kCurveBudgetMadeSpent ? 50u : 100u);
    EXPECT_TRUE(fit.pieces.empty());
  }
  EXPECT_EQ(SplineArcs(plain, 0.01, budget).problem, kCurveBudgetMadeSpent);
  CurveBudget fresh(100, 250);
  EXPECT_EQ(SplineArcs(plain, 0.01, fresh).pieces.size(), 1u);
  EXPECT_EQ(fresh.ForNextCurve(), 99u);
  // A drawing keeps one piece per byte, never fewer than one curve may make.
  EXPECT_EQ(CurveBudget::ForDrawing(1000).ForNextCurve(), kMostFittedPieces);
  EXPECT_EQ(CurveBudget::ForDrawing(3000000).ForNextCurve(), 3000000u);
  // A curve of a span far beyond any drawing ends, fitted or refused.
  const NurbsCurve huge = Clamped(3, {{0, 0, 0}, {1e300, 1e300, 0}, {-1e300, 1e300, 0}, {1, 0, 0}});
  const CurveFit fit = FitArcs(huge, 0.01);
  EXPECT_TRUE(!fit.problem.empty() || !fit.pieces.empty());
}

TEST(SplineArcs, FitPointsAreInterpolated) {
  const std::vector<Point3> points = {{0, 0, 0}, {10, 5, 0}, {20, 0, 0}, {30, 5, 0}, {40, 0, 0}};
  const auto withPoints = [&](int flags) {
    SplineGroups spline;
    spline.Take(70, flags);
    for (const Point3& p : points) {
      spline.Take(11, p.x);
      spline.Take(21, p.y);
      spline.Take(31, p.z);
    }
    return spline;
  };
  // Open with a start tangent straight up, and closed (back to the first
  // point, smoothly): both pass through every fit point.
  SplineGroups open = withPoints(0);
  open.Take(12, 0.0);
  open.Take(22, 1.0);
  for (const SplineGroups& spline : {open, withPoints(1)}) {
    const CurveFit fit = SplineArcs(spline, 0.01);
    ASSERT_EQ(fit.problem, "");
    EXPECT_EQ(Length(fit.pieces.front().start - points.front()), 0.0);
    for (const Point3& p : points) {
      double nearest = 1e300;
      for (const FittedPiece& piece : fit.pieces) nearest = std::min(nearest, DistanceToPiece(p, piece));
      EXPECT_LE(nearest, 1e-9) << spline.flags << " at " << p.x;
    }
  }
  // Closed through the corners of a square standing on one: by symmetry it
  // leaves its first corner square to the radius and comes back along it.
  SplineGroups ring;
  ring.Take(70, 1);
  for (const Point3& p : {Point3{10, 0, 0}, Point3{0, 10, 0}, Point3{-10, 0, 0}, Point3{0, -10, 0}}) {
    ring.Take(11, p.x);
    ring.Take(21, p.y);
  }
  const CurveFit round = SplineArcs(ring, 0.01);
  EXPECT_NEAR(Length(ArcTangent(round.pieces.front(), false) - Point3{0, 1, 0}), 0.0, 1e-9);
  EXPECT_NEAR(Length(ArcTangent(round.pieces.back(), true) - Point3{0, 1, 0}), 0.0, 1e-9);
  const CurveFit fit = SplineArcs(open, 0.01);
  EXPECT_EQ(Length(fit.pieces.back().end - points.back()), 0.0);
  // The curve leaves its first point along the given tangent.
  EXPECT_NEAR(Length(ArcTangent(fit.pieces.front(), false) - Point3{0, 1, 0}), 0.0, 1e-9);
  // A zero tangent gives no direction: that end bends freely, as with none.
  SplineGroups zero = withPoints(0);
  zero.Take(12, 0.0);
  EXPECT_EQ(Length(ArcTangent(SplineArcs(zero, 0.01).pieces.front(), false) -
                   ArcTangent(SplineArcs(withPoints(0), 0.01).pieces.front(), false)),
            0.0);
  // A curve whose derivative vanishes at its start (a control point given
  // twice) leaves it towards the next control point.
  const CurveFit cusp = FitArcs(Clamped(3, {{0, 0, 0}, {0, 0, 0}, {10, 10, 0}, {20, 0, 0}}), 0.01);
  ASSERT_EQ(cusp.problem, "");
  EXPECT_NEAR(Length(ArcTangent(cusp.pieces.front(), false) - Point3{M_SQRT1_2, M_SQRT1_2, 0}), 0.0, 1e-4);
  // One fit point, or one point twice, is no curve.
  SplineGroups one;
  one.Take(11, 1.0);
  one.Take(11, 1.0);
  EXPECT_EQ(SplineArcs(one, 0.01).problem, "fewer than two distinct fit points");
}

}  // namespace
}  // namespace dxfelem
