#include "geometry/affine_map.h"

#include <cmath>
#include <numbers>

namespace dxfelem {

Point3 AffineMap::ApplyNormal(const Point3& n) const {
  // The inverse transpose times the determinant: its sign keeps the side.
  const Point3 image = n.x * Cross(y, z) + n.y * Cross(z, x) + n.z * Cross(x, y);
  const double determinant = Determinant();
  return Unit(determinant < 0.0 ? -1.0 * image : image);
}

AffineMap Then(const AffineMap& first, const AffineMap& second) {
  AffineMap both;
  both.x = second.ApplyVector(first.x);
  both.y = second.ApplyVector(first.y);
  both.z = second.ApplyVector(first.z);
  both.shift = second.Apply(first.shift);
  return both;
}

AffineMap Shift(const Point3& by) {
  AffineMap map;
  map.shift = by;
  return map;
}

AffineMap Scale(const Point3& factors) {
  AffineMap map;
  map.x = {factors.x, 0.0, 0.0};
  map.y = {0.0, factors.y, 0.0};
  map.z = {0.0, 0.0, factors.z};
  return map;
}

AffineMap RotationZ(double degrees) {
  // Quarter turns exactly, so that a block turned by 90 stays on the grid.
  const double turns = degrees / 90.0;
  double c = std::cos(degrees * std::numbers::pi / 180.0);
  double s = std::sin(degrees * std::numbers::pi / 180.0);
  if (turns == std::floor(turns)) {
    const long quarter = static_cast<long>(std::fmod(std::fmod(turns, 4.0) + 4.0, 4.0));
    static constexpr double kCos[] = {1.0, 0.0, -1.0, 0.0};
    static constexpr double kSin[] = {0.0, 1.0, 0.0, -1.0};
    c = kCos[quarter];
    s = kSin[quarter];
  }
  AffineMap map;
  map.x = {c, s, 0.0};
  map.y = {-s, c, 0.0};
  return map;
}

void PlaneAxes(const Point3& n, Point3& ax, Point3& ay) {
  constexpr double kNearAxis = 1.0 / 64.0;
  const Point3 helper =
      std::fabs(n.x) < kNearAxis && std::fabs(n.y) < kNearAxis ? Point3{0.0, 1.0, 0.0} : Point3{0.0, 0.0, 1.0};
  ax = Unit(Cross(helper, n));
  ay = Unit(Cross(n, ax));
}

AffineMap PlaneToDrawing(const Point3& n) {
  AffineMap map;
  PlaneAxes(n, map.x, map.y);
  map.z = n;
  return map;
}

}  // namespace dxfelem
