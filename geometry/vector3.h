// Points as vectors: the arithmetic of the curve fitting.
#pragma once

#include <cmath>

#include "geometry/point3.h"

namespace dxfelem {

inline Point3 operator+(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point3 operator-(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point3 operator*(double s, const Point3& a) { return {s * a.x, s * a.y, s * a.z}; }
inline double Dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Point3 Cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Point3& a) { return std::sqrt(Dot(a, a)); }
// The vector of length 1 along `a`; (0, 0, 0) for a vector of length 0.
inline Point3 Unit(const Point3& a) {
  const double length = Length(a);
  return length > 0.0 ? (1.0 / length) * a : Point3{};
}
inline bool IsFinite(const Point3& a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }

}  // namespace dxfelem
