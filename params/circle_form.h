// What the settings make of a circle: a hole or a full-circle arc.
#pragma once

#include <string_view>

#include "geometry/circle_builder.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"

namespace dxfelem {

// The layer tables decide first (a LavLayer code of 88 to 93 makes an arc,
// any other LavLayer or McrLayer entry a hole), then RadiusMin: a radius
// above it makes an arc. Face names and an empty layer skip the tables.
CircleForm CircleFormFor(const ParameterRecord& parameters, const SelectionLists& selection, std::string_view layer,
                         double radius);

}  // namespace dxfelem
