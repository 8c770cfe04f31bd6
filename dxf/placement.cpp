#include "dxf/placement.h"

#include "dxf/face_choice.h"

namespace dxfelem {

Placement PlaceEntity(const ParameterRecord& parameters, std::string& layer, const Point3& extrusion,
                      ReadingTally& tally, std::string_view kind) {
  Placement placement;
  const ExtrusionClass extrusionClass = ClassifyExtrusion(extrusion);
  if (!KeepByExtrusion(extrusionClass, parameters.Altezza3D)) {
    tally.LeaveOut(extrusionClass == kExtrusionNotUnit ? LeftOut::kExtrusionNotUnit : LeftOut::kObliqueExtrusion, kind);
    return placement;
  }
  placement.kept = true;
  placement.face = AssignFace(parameters, layer, extrusion);
  placement.frame = ExtrusionFrame(extrusion, extrusionClass);
  return placement;
}

Frame FacingFrame(int face, const Point3& extrusion) {
  Point3 facing = extrusion;
  if (face == 2) facing = {0.0, 0.0, 1.0};
  if (face == 5) facing = {0.0, -1.0, 0.0};
  if (face == 6) facing = {1.0, 0.0, 0.0};
  return ExtrusionFrame(facing, ClassifyExtrusion(facing));
}

}  // namespace dxfelem
