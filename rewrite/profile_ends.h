// The piece at either end of a profile, and the direction of travel there.
#pragma once

#include "geometry/element.h"

namespace dxfelem {

// The segment at one end of an element: a straight piece from `inner` to
// `end`, or an arc through `middle`. `end` is the element's first (or last)
// point; `inner` the other end of the piece.
struct EndPiece {
  bool isArc = false;
  Point3 end;
  Point3 middle;
  Point3 inner;
};

enum class ProfileEnd { kStart, kEnd };

// False when the element has no piece at that end: an ISO first node, a
// single node, or an arc without its far end.
bool PieceAtEnd(const Element& element, ProfileEnd which, EndPiece& piece);

// The unit direction (x-y) in which the profile runs at that end of its
// piece: into the profile at its start, out of it at its end. False when the
// piece has no direction (a line of length 0 or an arc without a circle).
bool TravelDirection(const EndPiece& piece, ProfileEnd which, double& dx, double& dy);

// The same direction as an angle in degrees, 0 <= angle < 360.
bool TravelAngle(const EndPiece& piece, ProfileEnd which, double& degrees);

// The centre of the circle through three points (x-y); false for points on
// one line.
bool CircleCentre(const Point3& a, const Point3& b, const Point3& c, double& cx, double& cy);

}  // namespace dxfelem
