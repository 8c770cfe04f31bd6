// 3DFACE: one closed path of four edges, or four loose edges on a coded layer.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"

namespace dxfelem {

bool ReadFaceEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 corners[4];
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader)) return true;
    switch (code) {
      case kGroup10: corners[0].x = ReadRounded4(reader); return true;
      case kGroup20: corners[0].y = ReadRounded4(reader); return true;
      case kGroup30: corners[0].z = ReadRounded4(reader); return true;
      case kGroup11: corners[1].x = ReadRounded4(reader); return true;
      case kGroup21: corners[1].y = ReadRounded4(reader); return true;
      case kGroup31: corners[1].z = ReadRounded4(reader); return true;
      // The third corner's x and y are the fourth's too, unless 13/23 follow:
      // a triangle gives only three corners.
      case kGroup12: corners[2].x = corners[3].x = ReadRounded4(reader); return true;
      case kGroup22: corners[2].y = corners[3].y = ReadRounded4(reader); return true;
      case kGroup32: corners[2].z = ReadRounded4(reader); return true;
      case kGroup13: corners[3].x = ReadRounded4(reader); return true;
      case kGroup23: corners[3].y = ReadRounded4(reader); return true;
      case kGroup33: corners[3].z = ReadRounded4(reader); return true;
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  // The corners are given in drawing coordinates: the frame is not used.
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept)
    return true;
  if (p.Altezza3D == 1) {
    for (Point3& corner : corners) corner.z += common.thickness;
  }
  if (IsCodedLayer(context.selection, context.parameters, common.layer)) {
    for (int i = 0; i < 4; ++i)
      AddLine(context.sink, SegmentTarget::kNewElement, context.NextElementNumber(), corners[i], corners[(i + 1) % 4],
              common.layer);
    return true;
  }
  const int32_t entity = context.NextElementNumber();
  AddLine(context.sink, SegmentTarget::kNewElement, entity, corners[0], corners[1], common.layer);
  AddLine(context.sink, SegmentTarget::kCurrentElement, entity, corners[1], corners[2], common.layer);
  AddLine(context.sink, SegmentTarget::kCurrentElement, entity, corners[2], corners[3], common.layer);
  AddLine(context.sink, SegmentTarget::kCurrentElement, entity, corners[3], corners[0], common.layer);
  return true;
}

}  // namespace dxfelem
