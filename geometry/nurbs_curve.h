// A NURBS curve as a SPLINE gives it: degree, knots, control points and
// weights. Evaluated by the basis functions of its knot span (de Boor's
// recurrence), rational when it has weights.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/point3.h"

namespace dxfelem {

// More control points than a drawing's curve needs: beyond it a SPLINE is
// refused before anything is evaluated (work and memory stay bounded).
inline constexpr std::size_t kMostControlPoints = 10000;
inline constexpr int kHighestDegree = 10;

struct NurbsCurve {
  int degree = 3;
  std::vector<double> knots;     // controls.size() + degree + 1, non-decreasing
  std::vector<Point3> controls;  //
  std::vector<double> weights;   // empty, or one per control point, each above 0
};

// Why the curve cannot be evaluated, in a few words; empty when it can.
std::string CurveProblem(const NurbsCurve& curve);

// The parameter range the curve is defined on: from the knot of index
// degree to the knot of index controls.size(). Only for a curve without a
// problem.
double CurveStart(const NurbsCurve& curve);
double CurveEnd(const NurbsCurve& curve);

struct CurvePoint {
  Point3 point;
  Point3 derivative;  // dC/dt
};

// At a knot the curve may turn a corner: its derivative there is that of
// the span after the knot, or of the span before it.
enum class KnotSide { kAfter, kBefore };

// The point and first derivative at t, held to the curve's range.
CurvePoint EvaluateCurve(const NurbsCurve& curve, double t, KnotSide side = KnotSide::kAfter);

}  // namespace dxfelem
