// A spline given by fit points only: the cubic through them, made a NURBS
// curve so that it is approximated like any other.
#pragma once

#include <optional>
#include <vector>

#include "geometry/nurbs_curve.h"

namespace dxfelem {

// The cubic spline through `points` (repeated points dropped), as CAD
// programs interpolate fit points: chord-length parameters, the second
// derivative continuous at every inner point, at the ends the given tangent
// directions or else no bend; a closed curve continuous round its joint.
// As Bezier pieces: degree 3, every inner knot three times.
// Fewer than two distinct points give a curve without control points.
NurbsCurve InterpolateFitPoints(std::vector<Point3> points, std::optional<Point3> startTangent,
                                std::optional<Point3> endTangent, bool closed);

}  // namespace dxfelem
