// An affine map of space: where an INSERT carries the entities of its block.
// The linear part is given by the images of the three axes, then a shift.
#pragma once

#include "geometry/point3.h"
#include "geometry/vector3.h"

namespace dxfelem {

struct AffineMap {
  Point3 x{1.0, 0.0, 0.0};  // the image of the x axis
  Point3 y{0.0, 1.0, 0.0};
  Point3 z{0.0, 0.0, 1.0};
  Point3 shift{};

  Point3 Apply(const Point3& p) const { return p.x * x + p.y * y + p.z * z + shift; }
  // A direction or a difference of points: the shift does not apply.
  Point3 ApplyVector(const Point3& v) const { return v.x * x + v.y * y + v.z * z; }
  double Determinant() const { return Dot(x, Cross(y, z)); }
  // The unit normal of the image of a plane whose unit normal is `n`, on
  // the same side as `n` (a mirror that keeps the plane keeps its normal).
  Point3 ApplyNormal(const Point3& n) const;
};

// `first`, then `second`.
AffineMap Then(const AffineMap& first, const AffineMap& second);
AffineMap Shift(const Point3& by);
AffineMap Scale(const Point3& factors);
// About the z axis, by `degrees`.
AffineMap RotationZ(double degrees);
// From the coordinates of a plane's own system (the DXF reference's arbitrary
// axis algorithm for the extrusion `n`) to the drawing's.
AffineMap PlaneToDrawing(const Point3& n);

// The x and y axes of the plane system of the extrusion `n` (a unit vector).
void PlaneAxes(const Point3& n, Point3& ax, Point3& ay);

}  // namespace dxfelem
