// ELLIPSE: a chain of arcs on the face the extrusion chooses.
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/face_choice.h"
#include "geometry/ellipse_builder.h"
#include "dxf/entity_context.h"

namespace dxfelem {

bool ReadEllipseEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 centre;
  Point3 majorAxis;
  double ratio = 0.0;
  double startParameter = 0.0;
  double endParameter = 0.0;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader) || TakePlacePoint(code, reader, centre)) return true;
    switch (code) {
      case kGroup11: majorAxis.x = ReadRounded4(reader); return true;
      case kGroup21: majorAxis.y = ReadRounded4(reader); return true;
      case kGroup31: majorAxis.z = ReadRounded4(reader); return true;
      case kGroup40: ratio = ReadRounded4(reader); return true;
      case kGroup41: startParameter = ReadDouble(reader); return true;
      case kGroup42: endParameter = ReadDouble(reader); return true;
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  if (!KeepByExtrusion(ClassifyExtrusion(common.extrusion), p.Altezza3D)) return true;
  if (p.Altezza3D == 1) centre.z += common.thickness;
  const int face = AssignFace(p, common.layer, common.extrusion);
  // The mirrored faces are worked out from the facing direction.
  if (face == 2) common.extrusion = {0.0, 0.0, 1.0};
  if (face == 5) common.extrusion = {0.0, -1.0, 0.0};
  if (face == 6) common.extrusion = {1.0, 0.0, 0.0};
  const Frame frame = ExtrusionFrame(common.extrusion, ClassifyExtrusion(common.extrusion));
  AddEllipse(context.sink, static_cast<long long>(context.parameters.ArchiEllisse) * 8, face, centre, majorAxis, ratio, startParameter, endParameter, frame, context.NextElementNumber(),
             common.layer);
  return true;
}

}  // namespace dxfelem
