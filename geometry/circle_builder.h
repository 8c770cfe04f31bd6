// Circles become hole points or full-circle arcs.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/extrusion_frame.h"

namespace dxfelem {

class ConversionJob;

// The layer tables decide first (a LavLayer code of 88 to 93 makes an arc,
// any other LavLayer or McrLayer entry a hole), then RadiusMin: a radius
// above it makes an arc. A hole is an ISO node at the centre with the
// radius as its value; an arc runs from the leftmost point through the
// opposite point back to the start. Points go through the frame.
void AddCircle(ConversionJob& job, int32_t entity, const Frame& frame, const Point3& centre, double radius,
               int32_t direction, std::string_view layer);

}  // namespace dxfelem
