// SOLID and TRACE: the four edges of the outline, each an element.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/face_choice.h"
#include "geometry/element_builders.h"

namespace dxfelem {

bool ReadQuadrilateral(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 corners[4];
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader)) return true;
    switch (code) {
      case kGroup10: corners[0].x = ReadRounded4(reader); return true;
      case kGroup20: corners[0].y = ReadRounded4(reader); return true;
      case kGroup11: corners[1].x = ReadRounded4(reader); return true;
      case kGroup21: corners[1].y = ReadRounded4(reader); return true;
      case kGroup12: corners[2].x = ReadRounded4(reader); return true;
      case kGroup22: corners[2].y = ReadRounded4(reader); return true;
      case kGroup13: corners[3].x = ReadRounded4(reader); return true;
      case kGroup23: corners[3].y = ReadRounded4(reader); return true;
      default: return false;
    }
  });
  // The thickness is the outline's height; the corners are used as read.
  for (Point3& corner : corners) corner.z = common.thickness;
  AssignFace(context.parameters, common.layer, common.extrusion);
  // The outline runs 1, 2, 4, 3: corners 3 and 4 lie crosswise.
  constexpr int kEdges[4][2] = {{0, 1}, {1, 3}, {3, 2}, {2, 0}};
  for (const auto& edge : kEdges) {
    AddLine(context.sink, SegmentTarget::kNewElement, context.NextElementNumber(), corners[edge[0]], corners[edge[1]],
            common.layer);
  }
  return true;
}

}  // namespace dxfelem
