#include "geometry/extrusion_frame.h"

#include <cmath>

namespace dxfelem {
namespace {

Point3 Minus(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Point3 Cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(const Point3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Point3 Scaled(const Point3& a, double factor) { return {a.x * factor, a.y * factor, a.z * factor}; }

Point3 Unit(const Point3& a, double length) { return {a.x / length, a.y / length, a.z / length}; }

// A unit vector perpendicular to n with one zero component.
Point3 ObliqueXAxis(const Point3& n) {
  const double ax = std::fabs(n.x);
  const double ay = std::fabs(n.y);
  const double az = std::fabs(n.z);
  if ((ay >= ax && az >= ay) || (ax > ay && az >= ax)) {
    const double a = std::sqrt(n.z * n.z / (n.z * n.z + n.x * n.x));
    const Point3 x{a, 0.0, -n.x * a / n.z};
    return n.z < 0.0 ? Scaled(x, -1.0) : x;
  }
  if (ay >= ax) {
    const double c = std::sqrt(n.y * n.y / (n.y * n.y + n.z * n.z));
    const Point3 x{0.0, -n.z * c / n.y, c};
    return n.y < 0.0 ? Scaled(x, -1.0) : x;
  }
  const double b = std::sqrt(n.x * n.x / (n.x * n.x + n.y * n.y));
  const Point3 x{-n.y * b / n.x, b, 0.0};
  return n.x < 0.0 ? Scaled(x, -1.0) : x;
}

}  // namespace

ExtrusionClass ClassifyExtrusion(const Point3& n) {
  const double squared = n.x * n.x + n.y * n.y + n.z * n.z;
  // A NaN length is no unit vector either.
  if (!(std::fabs(squared - 1.0) <= kExtrusionTolerance)) return kExtrusionNotUnit;
  if (NearValue(n.x, 1.0) || NearValue(n.x, -1.0)) return kExtrusionX;
  if (NearValue(n.y, 1.0) || NearValue(n.y, -1.0)) return kExtrusionY;
  if (NearValue(n.z, 1.0) || NearValue(n.z, -1.0)) return kExtrusionZ;
  return kExtrusionOblique;
}

Frame ExtrusionFrame(const Point3& n, ExtrusionClass extrusionClass) {
  Frame frame;
  switch (extrusionClass) {
    case kExtrusionZ:
      frame.xEnd = {n.z < 0.0 ? -1.0 : 1.0, 0.0, 0.0};
      frame.yEnd = {0.0, 1.0, 0.0};
      break;
    case kExtrusionY:
      frame.xEnd = {n.y < 0.0 ? 1.0 : -1.0, 0.0, 0.0};
      frame.yEnd = {0.0, 0.0, 1.0};
      break;
    case kExtrusionX:
      frame.xEnd = {0.0, n.x < 0.0 ? -1.0 : 1.0, 0.0};
      frame.yEnd = {0.0, 0.0, 1.0};
      break;
    case kExtrusionOblique:
      frame.xEnd = ObliqueXAxis(n);
      frame.yEnd = Cross(n, frame.xEnd);
      break;
    case kExtrusionNotUnit: break;
  }
  return frame;
}

FrameAxes::FrameAxes(const Frame& frame) {
  const Point3 xAxis = Minus(frame.xEnd, frame.origin);
  const Point3 yAxis = Minus(frame.yEnd, frame.origin);
  const Point3 zAxis = frame.handedness == 0 ? Cross(xAxis, yAxis) : Cross(yAxis, xAxis);
  const double xLength = Length(xAxis);
  const double yLength = Length(yAxis);
  const double zLength = Length(zAxis);
  if (xLength == 0.0 || yLength == 0.0 || zLength == 0.0) return;
  x_ = Unit(xAxis, xLength);
  y_ = Unit(yAxis, yLength);
  z_ = Unit(zAxis, zLength);
  usable_ = true;
}

Point3 TransformPoint(const Frame& frame, const Point3& p) { return FrameAxes(frame).Apply(p); }

}  // namespace dxfelem
