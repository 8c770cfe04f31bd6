// Ellipses and elliptical arcs become chains of three-point arcs.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/extrusion_frame.h"

namespace dxfelem {

class ConversionJob;

// The ellipse of the given centre, major-axis vector (relative to the
// centre), axis ratio and start and end parameters (radians, counter-
// clockwise), on the face the reader chose. Every arc is an element of its
// own with the given entity number.
void AddEllipse(ConversionJob& job, int face, const Point3& centre, const Point3& majorAxis, double ratio,
                double startParameter, double endParameter, const Frame& frame, int32_t entity,
                std::string_view layer);

}  // namespace dxfelem
