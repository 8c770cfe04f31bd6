// A point in drawing units, and the point equality every geometry step uses.
#pragma once

#include <cmath>

namespace dxfelem {

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// Two points are the same point when no coordinate differs by more than the
// single-precision constant 0.00001, widened to double.
inline constexpr double kPointEqualityBound = 9.999999747378752e-06;

inline bool PointsEqual(const Point3& a, const Point3& b) {
  return std::fabs(a.x - b.x) <= kPointEqualityBound && std::fabs(a.y - b.y) <= kPointEqualityBound &&
         std::fabs(a.z - b.z) <= kPointEqualityBound;
}

}  // namespace dxfelem
