// Circles become hole points or full-circle arcs.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/element_sink.h"
#include "geometry/extrusion_frame.h"

namespace dxfelem {

// What a circle becomes; the settings decide (the layer tables, then
// RadiusMin).
enum class CircleForm { kHole, kArc };

// A hole is an ISO node at the centre with the radius as its value; an arc
// runs from the leftmost point through the opposite point back to the
// start. Points go through the frame.
void AddCircle(ElementSink& sink, CircleForm form, int32_t entity, const Frame& frame, const Point3& centre,
               double radius, int32_t direction, std::string_view layer);

}  // namespace dxfelem
