#include "geometry/fit_point_spline.h"

#include "geometry/vector3.h"

namespace dxfelem {
namespace {

// The right side of the continuity of the second derivative at inner point i.
Point3 InnerRight(const std::vector<Point3>& p, const std::vector<double>& h, std::size_t before, std::size_t i,
                  std::size_t after) {
  return 3.0 * ((h[before] / h[i]) * (p[after] - p[i]) + (h[i] / h[before]) * (p[i] - p[before]));
}

// Solves the tridiagonal system a[i] x[i-1] + b[i] x[i] + c[i] x[i+1] = r[i].
std::vector<Point3> SolveTridiagonal(const std::vector<double>& a, std::vector<double> b, const std::vector<double>& c,
                                     std::vector<Point3> r) {
  const std::size_t n = b.size();
  for (std::size_t i = 1; i < n; ++i) {
    const double m = a[i] / b[i - 1];
    b[i] -= m * c[i - 1];
    r[i] = r[i] - m * r[i - 1];
  }
  std::vector<Point3> x(n);
  x[n - 1] = (1.0 / b[n - 1]) * r[n - 1];
  for (std::size_t i = n - 1; i-- > 0;) x[i] = (1.0 / b[i]) * (r[i] - c[i] * x[i + 1]);
  return x;
}

// Open: the given end directions (with the speed 1 of the chord-length
// parameter), or else no bend at the end (a natural end).
std::vector<Point3> OpenTangents(const std::vector<Point3>& p, const std::vector<double>& h,
                                 const std::optional<Point3>& startTangent, const std::optional<Point3>& endTangent) {
  const std::size_t n = p.size();
  std::vector<double> a(n, 0.0);
  std::vector<double> b(n, 1.0);
  std::vector<double> c(n, 0.0);
  std::vector<Point3> r(n);
  if (startTangent && Length(*startTangent) > 0.0) {
    r[0] = Unit(*startTangent);
  } else {
    b[0] = 2.0;
    c[0] = 1.0;
    r[0] = (3.0 / h[0]) * (p[1] - p[0]);
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    a[i] = h[i];
    b[i] = 2.0 * (h[i - 1] + h[i]);
    c[i] = h[i - 1];
    r[i] = InnerRight(p, h, i - 1, i, i + 1);
  }
  if (endTangent && Length(*endTangent) > 0.0) {
    r[n - 1] = Unit(*endTangent);
  } else {
    a[n - 1] = 1.0;
    b[n - 1] = 2.0;
    r[n - 1] = (3.0 / h[n - 2]) * (p[n - 1] - p[n - 2]);
  }
  return SolveTridiagonal(a, b, c, r);
}

// Closed (the last point is the first): the same continuity round the
// joint, a cyclic system solved with the Sherman-Morrison correction.
std::vector<Point3> ClosedTangents(const std::vector<Point3>& p, const std::vector<double>& h) {
  const std::size_t m = p.size() - 1;  // distinct points
  std::vector<double> a(m);
  std::vector<double> b(m);
  std::vector<double> c(m);
  std::vector<Point3> r(m);
  for (std::size_t i = 0; i < m; ++i) {
    const std::size_t before = (i + m - 1) % m;
    a[i] = h[i];
    b[i] = 2.0 * (h[before] + h[i]);
    c[i] = h[before];
    r[i] = InnerRight(p, h, before, i, i + 1);
  }
  // A = T + u v^T with u = (gamma, 0, ..., c[m-1]), v = (1, 0, ..., a[0] / gamma).
  const double gamma = -b[0];
  std::vector<double> bt = b;
  bt[0] -= gamma;
  bt[m - 1] -= a[0] * c[m - 1] / gamma;
  const std::vector<Point3> x = SolveTridiagonal(a, bt, c, r);
  std::vector<Point3> u(m);
  u[0] = Point3{gamma, gamma, gamma};
  u[m - 1] = Point3{c[m - 1], c[m - 1], c[m - 1]};
  const std::vector<Point3> z = SolveTridiagonal(a, bt, c, u);
  std::vector<Point3> d(m + 1);
  // Each coordinate is its own system; z holds the same solution in all three.
  const double zFirst = z[0].x;
  const double zLast = z[m - 1].x;
  const double denominator = 1.0 + zFirst + a[0] * zLast / gamma;
  const Point3 factor = (1.0 / denominator) * (x[0] + (a[0] / gamma) * x[m - 1]);
  for (std::size_t i = 0; i < m; ++i) d[i] = x[i] - z[i].x * factor;
  d[m] = d[0];
  return d;
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

  // Tangents (derivatives with respect to the chord-length parameter) that
  // make the second derivative continuous at every inner point: the cubic
  // spline through the points, as CAD programs interpolate fit points.
  const std::vector<Point3> d =
      closed ? ClosedTangents(distinct, h) : OpenTangents(distinct, h, startTangent, endTangent);

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
