// ELLIPSE: a chain of arcs on the face the extrusion chooses.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/ellipse_builder.h"

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
  const Placement placement =
      PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind);
  if (!placement.kept) return true;
  if (p.Altezza3D == 1) centre.z += common.thickness;
  AddEllipse(context.sink, static_cast<long long>(p.ArchiEllisse) * 8, placement.face, centre, majorAxis, ratio,
             startParameter, endParameter, FacingFrame(placement.face, common.extrusion), context.NextElementNumber(),
             common.layer);
  return true;
}

}  // namespace dxfelem
