// The one step between reading an entity and building its elements: whether
// it is kept at all (its extrusion), the panel face it lies on (whose name
// goes into its layer), and the frame that carries its points from its own
// plane into the drawing's. The readers read, this places, the builders build.
#pragma once

#include <string>
#include <string_view>

#include "dxf/reading_tally.h"
#include "geometry/extrusion_frame.h"
#include "params/parameter_record.h"

namespace dxfelem {

struct Placement {
  bool kept = false;  // false: the entity makes nothing
  int face = 0;       // 1..6, 0 when none was chosen
  Frame frame;        // from the entity's own extrusion
};

// `layer` gets the face name of the chosen face when the entity is kept;
// an entity that is not kept is counted in `tally` as one of `kind`.
Placement PlaceEntity(const ParameterRecord& parameters, std::string& layer, const Point3& extrusion,
                      ReadingTally& tally, std::string_view kind);

// The mirrored faces (2, 5 and 6) are worked out from the direction that
// faces them: the frame of an entity drawn on `face`. Other faces keep the
// entity's own extrusion.
Frame FacingFrame(int face, const Point3& extrusion);

}  // namespace dxfelem
