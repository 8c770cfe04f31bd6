// INSERT: a block that a block table of the parameter file names becomes a
// macro element at the insertion point and a placement element carrying the
// scale factors and the rotation. Any other block is not drawn, unless
// EsplodiBlocchi asks for it: then its entities are drawn where the INSERT
// places them.
#include "dxf/block_drawing.h"
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"
#include "params/process_state.h"
#include "platform/user_message.h"

namespace dxfelem {
namespace {

// The block drawn, and the INSERT settled as one that made elements or
// none. False when the drawing cannot go on.
bool DrawInsertedBlock(EntityContext& context, const BlockContent& block, const BlockPlacement& placement) {
  const std::size_t before = context.sink.drawing != nullptr ? context.sink.drawing->built() : 0;
  if (!DrawBlock(context, block, placement)) return false;
  const bool made = context.sink.drawing != nullptr && context.sink.drawing->built() != before;
  if (made) context.reading.tally.Made(kTokenInsert);
  else context.reading.tally.LeaveOut(LeftOut::kNothingMade, "INSERT");
  return true;
}

}  // namespace

bool ReadInsertEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  std::string block;
  BlockPlacement placement;
  Point3& insertion = placement.insertion;
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
      case kGroup41: placement.scale.x = ReadRounded4(reader); return true;
      case kGroup42: placement.scale.y = ReadRounded4(reader); return true;
      case kGroup43: placement.scale.z = ReadRounded4(reader); return true;
      case kGroup50: placement.rotation = ReadRounded4(reader); return true;
      case kGroup66:
        ReadInt(reader);
        return true;  // attributes follow: not used
      // An array: a block table's block is called once, a drawn one drawn at every place.
      case kGroup70: placement.columns = ReadInt(reader); return true;
      case kGroup71: placement.rows = ReadInt(reader); return true;
      case kGroup44: placement.columnSpacing = ReadRounded4(reader); return true;
      case kGroup45: placement.rowSpacing = ReadRounded4(reader); return true;
      default: return common.Take(code, reader) || TakePlacePoint(code, reader, insertion);
    }
  });
  const ParameterRecord& p = context.parameters;
  placement.layer = common.layer;
  placement.extrusion = common.extrusion;
  // The insertion point is used as read: the frame is not used.
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept)
    return true;
  if (p.EscludeBlocchi != 0) {
    context.reading.tally.LeaveOut(LeftOut::kBlocksExcluded, "INSERT");
    return true;
  }
  if (!IsDefinedBlock(block)) {
    const BlockContents* definitions = reading.blockContents.get();
    if (definitions != nullptr && definitions->Overflowed()) {
      ShowUserMessage("dxfelem",
                      "the drawing defines more blocks, or more entities in its blocks, than a conversion "
                      "keeps: its blocks cannot be drawn (EsplodiBlocchi=0 keeps them as blocks)");
      return false;
    }
    const BlockContent* definition = definitions != nullptr ? definitions->Find(block) : nullptr;
    if (definition != nullptr) return DrawInsertedBlock(context, *definition, placement);
    context.reading.tally.LeaveOut(LeftOut::kBlockNotNamed, "INSERT", block);
    return true;
  }
  if (p.Altezza3D == 1) insertion.z += common.thickness;
  const int32_t entity = context.NextElementNumber();
  AddMacro(context.sink, entity, insertion, block, common.layer);
  AddPlacement(context.sink, entity, placement.scale, placement.rotation, block, common.layer);
  return true;
}

}  // namespace dxfelem
