// A spline given by fit points only: the cubic through them, made a NURBS
// curve so that it is approximated like any other.
#pragma once

#include <optional>
#include <vector>

#include "geometry/nurbs_curve.h"

namespace dxfelem {

// The C1 cubic through `points` (repeated points dropped): chord-length
// parameters, the tangent at an inner point from its two neighbours
// (Bessel's rule), at the ends the given tangent directions, or else the
// parabola through the end three points. A closed curve takes its tangents
// round the joint. As Bezier pieces: degree 3, every inner knot three times.
// Fewer than two distinct points give a curve without control points.
NurbsCurve InterpolateFitPoints(std::vector<Point3> points, std::optional<Point3> startTangent,
                                std::optional<Point3> endTangent, bool closed);

}  // namespace dxfelem
