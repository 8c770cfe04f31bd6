#include "geometry/spline_arcs.h"

#include <cmath>

#include "geometry/fit_point_spline.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

constexpr std::size_t kMostKnots = kMostControlPoints + kHighestDegree + 2;

template <typename T>
void Keep(std::vector<T>& values, const T& value, std::size_t most, bool& tooMany) {
  if (values.size() < most) values.push_back(value);
  else tooMany = true;
}

// The coordinate `axis` of the latest point of a list started by its x.
void SetLatest(std::vector<Point3>& points, double Point3::*axis, double value) {
  if (!points.empty()) points.back().*axis = value;
}

void SetTangent(std::optional<Point3>& tangent, double Point3::*axis, double value) {
  if (!tangent) tangent = Point3{};
  (*tangent).*axis = value;
}

int AsInteger(double value) { return std::isfinite(value) && std::fabs(value) < 1e9 ? static_cast<int>(value) : -1; }

}  // namespace

bool SplineGroups::Take(int code, double value) {
  switch (code) {
    case 70: flags = AsInteger(value); return true;
    case 71: degree = AsInteger(value); return true;
    case 40: Keep(knots, value, kMostKnots, tooMany); return true;
    case 41: Keep(weights, value, kMostControlPoints + 1, tooMany); return true;
    case 10: Keep(controls, Point3{value, 0.0, 0.0}, kMostControlPoints + 1, tooMany); return true;
    case 20: SetLatest(controls, &Point3::y, value); return true;
    case 30: SetLatest(controls, &Point3::z, value); return true;
    case 11: Keep(fitPoints, Point3{value, 0.0, 0.0}, kMostControlPoints + 1, tooMany); return true;
    case 21: SetLatest(fitPoints, &Point3::y, value); return true;
    case 31: SetLatest(fitPoints, &Point3::z, value); return true;
    case 12: SetTangent(startTangent, &Point3::x, value); return true;
    case 22: SetTangent(startTangent, &Point3::y, value); return true;
    case 32: SetTangent(startTangent, &Point3::z, value); return true;
    case 13: SetTangent(endTangent, &Point3::x, value); return true;
    case 23: SetTangent(endTangent, &Point3::y, value); return true;
    case 33: SetTangent(endTangent, &Point3::z, value); return true;
    default: return false;
  }
}

CurveFit SplineArcs(const SplineGroups& spline, double tolerance, std::size_t mostPieces) {
  CurveFit fit;
  if (mostPieces == 0) {
    fit.problem = kCurveBudgetKeptSpent;
    return fit;
  }
  if (spline.tooMany) {
    fit.problem = "more than 10000 control or fit points";
    return fit;
  }
  const bool closed = (spline.flags & 1) != 0;
  NurbsCurve curve;
  if (spline.controls.empty() && !spline.fitPoints.empty()) {
    curve = InterpolateFitPoints(spline.fitPoints, spline.startTangent, spline.endTangent, closed);
    if (curve.controls.empty()) {
      fit.problem = "fewer than two distinct fit points";
      return fit;
    }
  } else {
    curve.degree = spline.degree;
    curve.knots = spline.knots;
    curve.controls = spline.controls;
    curve.weights = spline.weights;
  }
  fit.problem = CurveProblem(curve);
  if (!fit.problem.empty()) return fit;
  fit = FitArcs(curve, tolerance, mostPieces);
  if (!fit.problem.empty()) return fit;
  for (const FittedPiece& piece : fit.pieces) {
    if (!IsFinite(piece.start) || !IsFinite(piece.middle) || !IsFinite(piece.end)) {
      fit.pieces.clear();
      fit.problem = "points beyond the range of numbers";
      return fit;
    }
  }
  // A closed curve ends exactly where it starts, so that it is a closed profile.
  if (closed && !fit.pieces.empty() && Length(fit.pieces.back().end - fit.pieces.front().start) <= tolerance) {
    fit.pieces.back().end = fit.pieces.front().start;
  }
  return fit;
}

CurveFit SplineArcs(const SplineGroups& spline, double tolerance, CurveBudget& budget) {
  CurveFit fit = SplineArcs(spline, tolerance, budget.ForNextCurve());
  if (fit.problem == kCurveBudgetKeptSpent && budget.MadeLimits()) fit.problem = kCurveBudgetMadeSpent;
  budget.Spend(fit);
  return fit;
}

}  // namespace dxfelem
