// Ellipses and elliptical arcs become chains of three-point arcs.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/element_sink.h"
#include "geometry/extrusion_frame.h"

namespace dxfelem {

// The ellipse of the given centre, major-axis vector (relative to the
// centre), axis ratio and start and end parameters (radians, counter-
// clockwise), on the face the reader chose. Every arc is an element of its
// own with the given entity number. `requestedPoints` is the number of
// sample points asked of the generator (ArchiEllisse x 8).
void AddEllipse(ElementSink& sink, long long requestedPoints, int face, const Point3& centre, const Point3& majorAxis,
                double ratio, double startParameter, double endParameter, const Frame& frame, int32_t entity,
                std::string_view layer);

}  // namespace dxfelem
