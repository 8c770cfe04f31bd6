// CIRCLE: a hole point or a full-circle arc.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/circle_builder.h"
#include "params/circle_form.h"

namespace dxfelem {

bool ReadCircleEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 centre;
  double radius = 0.0;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader) || TakePlacePoint(code, reader, centre)) return true;
    switch (code) {
      case kGroup40: radius = ReadRounded4(reader); return true;
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  const Placement placement =
      PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind);
  if (!placement.kept) return true;
  if (p.Altezza3D == 1) centre.z += common.thickness;
  AddCircle(context.sink, CircleFormFor(p, context.selection, common.layer, radius), context.NextElementNumber(),
            placement.frame, centre, radius, 1, common.layer);
  return true;
}

}  // namespace dxfelem
