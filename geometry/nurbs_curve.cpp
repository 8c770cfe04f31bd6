#include "geometry/nurbs_curve.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/vector3.h"

namespace dxfelem {

std::string CurveProblem(const NurbsCurve& curve) {
  const int p = curve.degree;
  if (p < 1 || p > kHighestDegree) return "degree below 1 or above 10";
  const std::size_t n = curve.controls.size();
  if (n > kMostControlPoints) return "more than 10000 control points";
  if (n < static_cast<std::size_t>(p) + 1) return "fewer control points than its degree needs";
  if (curve.knots.size() != n + static_cast<std::size_t>(p) + 1) return "a knot count that does not fit";
  for (std::size_t i = 0; i < curve.knots.size(); ++i) {
    if (!std::isfinite(curve.knots[i])) return "a knot that is not a number";
    if (i > 0 && curve.knots[i] < curve.knots[i - 1]) return "knots that are not non-decreasing";
  }
  if (!(CurveStart(curve) < CurveEnd(curve))) return "an empty knot range";
  for (const Point3& control : curve.controls) {
    if (!IsFinite(control)) return "a control point that is not a number";
  }
  if (!curve.weights.empty()) {
    if (curve.weights.size() != n) return "a weight count that does not fit";
    for (const double weight : curve.weights) {
      if (!(weight > 0.0) || !std::isfinite(weight)) return "a weight that is 0, negative or not a number";
    }
  }
  return {};
}

double CurveStart(const NurbsCurve& curve) { return curve.knots[static_cast<std::size_t>(curve.degree)]; }
double CurveEnd(const NurbsCurve& curve) { return curve.knots[curve.controls.size()]; }

CurvePoint EvaluateCurve(const NurbsCurve& curve, double t, KnotSide side) {
  const std::size_t p = static_cast<std::size_t>(curve.degree);
  const std::size_t n = curve.controls.size();
  const std::vector<double>& u = curve.knots;
  t = std::clamp(t, CurveStart(curve), CurveEnd(curve));
  // The span k with u[k] <= t < u[k + 1] (after) or u[k] < t <= u[k + 1]
  // (before), among the non-empty spans of the range; the ends of the range
  // belong to the first and last of them.
  const auto first = u.begin() + static_cast<std::ptrdiff_t>(p);
  const auto last = u.begin() + static_cast<std::ptrdiff_t>(n);
  const auto bound = side == KnotSide::kAfter ? std::upper_bound(first, last, t) : std::lower_bound(first, last, t);
  std::size_t k = static_cast<std::size_t>(bound - u.begin());
  k = k > p ? k - 1 : p;
  while (k > p && !(u[k] < u[k + 1])) --k;
  while (k + 1 < n && !(u[k] < u[k + 1])) ++k;

  // ndu[j][r], r > j: knot differences; r <= j: basis functions of degree r.
  constexpr std::size_t kSize = kHighestDegree + 1;
  std::array<std::array<double, kSize>, kSize> ndu{};
  std::array<double, kSize> left{};
  std::array<double, kSize> right{};
  ndu[0][0] = 1.0;
  for (std::size_t j = 1; j <= p; ++j) {
    left[j] = t - u[k + 1 - j];
    right[j] = u[k + j] - t;
    double saved = 0.0;
    for (std::size_t r = 0; r < j; ++r) {
      // Never 0: the span itself is not empty.
      ndu[j][r] = right[r + 1] + left[j - r];
      const double temp = ndu[r][j - 1] / ndu[j][r];
      ndu[r][j] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    ndu[j][j] = saved;
  }
  Point3 a;
  Point3 da;
  double w = 0.0;
  double dw = 0.0;
  for (std::size_t r = 0; r <= p; ++r) {
    const std::size_t i = k - p + r;
    const double basis = ndu[r][p];
    double derivative = 0.0;
    if (r >= 1) derivative += ndu[r - 1][p - 1] / ndu[p][r - 1];
    if (r + 1 <= p) derivative -= ndu[r][p - 1] / ndu[p][r];
    derivative *= static_cast<double>(p);
    const double weight = curve.weights.empty() ? 1.0 : curve.weights[i];
    a = a + (basis * weight) * curve.controls[i];
    da = da + (derivative * weight) * curve.controls[i];
    w += basis * weight;
    dw += derivative * weight;
  }
  CurvePoint result;
  result.point = (1.0 / w) * a;
  result.derivative = (1.0 / w) * (da - dw * result.point);
  return result;
}

}  // namespace dxfelem
