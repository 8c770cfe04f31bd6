// A circular arc in a plane parallel to x-y, and the points that define it
// for the element model: start, a middle point on the arc, end.
#pragma once

#include <cstdint>

#include "geometry/point3.h"

namespace dxfelem {

struct ArcRecord {
  Point3 start;
  Point3 end;  // equal to start for a full circle
  double centreX = 0.0;
  double centreY = 0.0;
  double radius = 0.0;    // x-y distance from start to centre
  int32_t direction = 1;  // 1 counter-clockwise seen from +z, else clockwise
};

ArcRecord MakeArcRecord(const Point3& start, const Point3& end, double centreX, double centreY, int32_t direction);

// The single-precision 1e-8, widened: how close start and end of a full circle are.
inline constexpr double kArcCoincidence = 9.99999993922529e-09;

// The direction of the arc from a through b to c, in x-y: 1 counter-clockwise
// (b to the right of the line from a to c), 0 clockwise. False when two
// points are the same or b lies exactly on the line.
bool ArcDirection(const Point3& a, const Point3& b, const Point3& c, int32_t& direction);

// The centre of the circle through three points, in x-y. False when they
// lie on one line (or two of them coincide).
bool CircleCentreThrough(const Point3& a, const Point3& b, const Point3& c, double& centreX, double& centreY);

// A point on the arc between start and end (z: the mean of theirs). False
// when none is found; the point is then the chord midpoint.
bool ArcMiddlePoint(const ArcRecord& arc, Point3& middle);

}  // namespace dxfelem
