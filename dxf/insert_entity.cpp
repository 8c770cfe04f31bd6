// INSERT: blocks are referenced, never expanded. A block that a block table
// of the parameter file names becomes a macro element at the insertion point
// and a placement element carrying the scale factors and the rotation.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"
#include "params/process_state.h"

namespace dxfelem {

bool ReadInsertEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  std::string block;
  Point3 insertion;
  Point3 scale{1.0, 1.0, 1.0};
  double rotation = 0.0;
  DxfReadingState& reading = context.reading;
  ForEachGroup(reader, firstCode, [&](Token code) {
    switch (code) {
      // The ATTRIB entities that follow belong to the latest INSERT, kept or not.
      case kGroup8:
        ReadRawLine(reader, &common.layer);
        reading.lastInsertLayer = common.layer;
        return true;
      case kGroup2:
        ReadRawLine(reader, &block);
        reading.lastInsertBlock = block;
        return true;
      case kGroup41: scale.x = ReadRounded4(reader); return true;
      case kGroup42: scale.y = ReadRounded4(reader); return true;
      case kGroup43: scale.z = ReadRounded4(reader); return true;
      case kGroup50: rotation = ReadRounded4(reader); return true;
      case kGroup66:
      case kGroup70:
      case kGroup71: ReadInt(reader); return true;  // attributes follow, columns, rows: not used
      default: return common.Take(code, reader) || TakePlacePoint(code, reader, insertion);
    }
  });
  const ParameterRecord& p = context.parameters;
  // The insertion point is used as read: the frame is not used.
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept) return true;
  if (p.Altezza3D == 1) insertion.z += common.thickness;
  if (p.EscludeBlocchi != 0) {
    context.reading.tally.LeaveOut(LeftOut::kBlocksExcluded, "INSERT");
    return true;
  }
  if (!IsDefinedBlock(block)) {
    context.reading.tally.LeaveOut(LeftOut::kBlockNotNamed, "INSERT", block);
    return true;
  }
  const int32_t entity = context.NextElementNumber();
  AddMacro(context.sink, entity, insertion, block, common.layer);
  AddPlacement(context.sink, entity, scale, rotation, block, common.layer);
  return true;
}

}  // namespace dxfelem
