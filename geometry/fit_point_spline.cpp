#include "geometry/fit_point_spline.h"

#include "geometry/vector3.h"

namespace dxfelem {
namespace {

Point3 Unit(const Point3& v) {
  const double length = Length(v);
  return length > 0.0 ? (1.0 / length) * v : Point3{};
}

}  // namespace

NurbsCurve InterpolateFitPoints(std::vector<Point3> points, std::optional<Point3> startTangent,
                                std::optional<Point3> endTangent, bool closed) {
  std::vector<Point3> distinct;
  for (const Point3& p : points) {
    if (distinct.empty() || Length(p - distinct.back()) > 0.0) distinct.push_back(p);
  }
  if (closed && distinct.size() > 2 && Length(distinct.back() - distinct.front()) > 0.0) {
    distinct.push_back(distinct.front());
  }
  closed = closed && distinct.size() > 3;
  NurbsCurve curve;
  curve.degree = 3;
  const std::size_t count = distinct.size();
  if (count < 2) return curve;
  std::vector<double> h(count - 1);  // chord lengths: the parameter steps
  for (std::size_t i = 0; i + 1 < count; ++i) h[i] = Length(distinct[i + 1] - distinct[i]);

  // Tangents (derivatives with respect to the chord-length parameter).
  std::vector<Point3> d(count);
  auto bessel = [&](const Point3& before, const Point3& at, const Point3& after, double hb, double ha) {
    return (1.0 / (hb + ha)) * ((ha / hb) * (at - before) + (hb / ha) * (after - at));
  };
  for (std::size_t i = 1; i + 1 < count; ++i)
    d[i] = bessel(distinct[i - 1], distinct[i], distinct[i + 1], h[i - 1], h[i]);
  if (closed) {
    d[0] = d[count - 1] = bessel(distinct[count - 2], distinct[0], distinct[1], h[count - 2], h[0]);
  } else if (count == 2) {
    d[0] = d[1] = (1.0 / h[0]) * (distinct[1] - distinct[0]);
  } else {
    d[0] = (2.0 / h[0]) * (distinct[1] - distinct[0]) - d[1];
    d[count - 1] = (2.0 / h[count - 2]) * (distinct[count - 1] - distinct[count - 2]) - d[count - 2];
  }
  // A given direction keeps the speed of the chord-length parameter: 1.
  if (startTangent && Length(*startTangent) > 0.0) d[0] = Unit(*startTangent);
  if (endTangent && Length(*endTangent) > 0.0) d[count - 1] = Unit(*endTangent);

  double t = 0.0;
  curve.knots.assign(4, 0.0);
  curve.controls.push_back(distinct[0]);
  for (std::size_t i = 0; i + 1 < count; ++i) {
    curve.controls.push_back(distinct[i] + (h[i] / 3.0) * d[i]);
    curve.controls.push_back(distinct[i + 1] - (h[i] / 3.0) * d[i + 1]);
    curve.controls.push_back(distinct[i + 1]);
    t += h[i];
    curve.knots.insert(curve.knots.end(), i + 2 < count ? 3 : 4, t);
  }
  return curve;
}

}  // namespace dxfelem
