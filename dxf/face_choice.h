// The machining face of a panel an entity lies on, written into its layer.
#pragma once

#include <string>

#include "geometry/extrusion_frame.h"
#include "params/parameter_record.h"

namespace dxfelem {

// A layer that names a face (SideInp) keeps that face, with the name
// swapped for the face ScambiaFacce gives it; otherwise, with Altezza3D 0,
// face 1's name is appended, and with Altezza3D 1 the face the extrusion
// direction points to. Answers the face, 0 when none was chosen.
int AssignFace(const ParameterRecord& parameters, std::string& layer, const Point3& extrusion);

// Entities whose extrusion is not a unit vector are never kept; oblique
// ones only when the drawing is worked in 3D (Altezza3D not 0).
inline bool KeepByExtrusion(ExtrusionClass extrusionClass, int32_t altezza3D) {
  if (extrusionClass == kExtrusionNotUnit) return false;
  return extrusionClass != kExtrusionOblique || altezza3D != 0;
}

}  // namespace dxfelem
