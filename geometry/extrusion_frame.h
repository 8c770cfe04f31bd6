// The frame that carries a point from an entity's own plane into drawing
// coordinates, and the classes of extrusion directions that decide it.
#pragma once

#include <cstdint>

#include "geometry/point3.h"

namespace dxfelem {

struct Frame {
  int32_t handedness = 0;  // 0: the third axis is xEnd x yEnd
  Point3 yEnd{0, 1, 0};
  Point3 xEnd{1, 0, 0};
  Point3 origin{0, 0, 0};
};

enum ExtrusionClass : int32_t {
  kExtrusionZ = 0,        // along +Z or -Z
  kExtrusionY = 1,        // along +Y or -Y
  kExtrusionX = 2,        // along +X or -X
  kExtrusionOblique = 3,  // any other unit direction
  kExtrusionNotUnit = 4,  // not a unit vector
};

// The single-precision 0.00001, widened: the tolerance of the extrusion tests.
inline constexpr double kExtrusionTolerance = 9.999999747378752e-06;

// True when the value lies within the tolerance of the target.
inline bool NearValue(double value, double target) {
  return value >= target - kExtrusionTolerance && value <= target + kExtrusionTolerance;
}

ExtrusionClass ClassifyExtrusion(const Point3& n);
// The frame of an extrusion direction of the given class (X x Y = N). A
// direction that is not a unit vector has no frame: the identity is given.
Frame ExtrusionFrame(const Point3& n, ExtrusionClass extrusionClass);

// P.x X + P.y Y + P.z Z with the unit axes of the frame; the origin is not
// added. A frame with an axis of length 0 maps every point to (0, 0, 0).
Point3 TransformPoint(const Frame& frame, const Point3& p);

// The frame's unit axes, worked out once for the many points of one entity
// (an ellipse's arcs, a polyline's vertices): the same numbers as
// TransformPoint gives point by point.
class FrameAxes {
 public:
  FrameAxes() : FrameAxes(Frame{}) {}
  explicit FrameAxes(const Frame& frame);
  Point3 Apply(const Point3& p) const {
    if (!usable_) return {0.0, 0.0, 0.0};
    return {p.x * x_.x + p.y * y_.x + p.z * z_.x, p.x * x_.y + p.y * y_.y + p.z * z_.y,
            p.x * x_.z + p.y * y_.z + p.z * z_.z};
  }

 private:
  Point3 x_, y_, z_;
  bool usable_ = false;  // false when an axis has no length: every point at the origin
};

}  // namespace dxfelem
