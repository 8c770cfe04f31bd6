// TEXT and MTEXT: the text is handed to the glyph outlines.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "text/text_outlines.h"

namespace dxfelem {
namespace {

// Whether the layer name as read contains one of the face names (each
// tested only when the layer name is at least as long).
bool NamesAFace(const ParameterRecord& p, const std::string& layer) {
  for (int i = 1; i <= 6; ++i) {
    const std::string& name = p.FaceName(i);
    if (!name.empty() && layer.find(name) != std::string::npos) return true;
  }
  return false;
}

bool ReadText(EntityContext& context, DxfLineReader& reader, Token firstCode, const char* kind) {
  CommonGroups common;
  TextEntity text;
  text.kind = kind;
  bool chunked = false;  // the text begins in group-3 chunks
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader) || TakePlacePoint(code, reader, text.insertion)) return true;
    switch (code) {
      // An MTEXT's continuation chunks (group 3) are passed over: the last
      // chunk, group 1, is the text.
      case kGroup1: ReadRawLine(reader, &text.text); return true;
      case kGroup3: chunked = true; return false;
      case kGroup7: ReadRawLine(reader, &text.style); return true;
      case kGroup11: text.direction.x = ReadRounded4(reader); return true;
      case kGroup21: text.direction.y = ReadRounded4(reader); return true;
      case kGroup31: text.direction.z = ReadRounded4(reader); return true;
      case kGroup40: text.height = ReadRounded4(reader); return true;
      case kGroup50: text.rotation = ReadRounded4(reader); return true;
      case kGroup51: ReadRounded4(reader); return true;  // oblique angle: no effect
      case kGroup71:
      case kGroup72: ReadInt(reader); return true;  // generation and alignment: no effect
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  const std::string layerAsRead = common.layer;
  const Placement placement = PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, kind);
  if (!placement.kept) return true;
  if (p.Altezza3D == 1) text.insertion.z += common.thickness;
  text.face = placement.face;
  text.faceLayer = NamesAFace(p, layerAsRead) ? 1 : 0;
  // A text on a face's layer is drawn on that face, whatever its own extrusion.
  text.frame = text.faceLayer ? FacingFrame(text.face, common.extrusion) : placement.frame;
  ReadingTally& tally = context.reading.tally;
  if (p.Testo == 0) {
    tally.LeaveOut(LeftOut::kTextsOff, kind);
    return true;
  }
  text.layer = common.layer;
  if (p.SpazioFont > text.height) {
    DxfReadingState& reading = context.reading;
    if (reading.textsBelowLetterGap++ == 0 || text.height < reading.lowestSuchText)
      reading.lowestSuchText = text.height;
  }
  context.NextElementNumber();
  const std::string missingFont = ConvertTextToOutlines(
      {context.parameters, context.selection, context.textStyles, context.sink, context.elementCounter, context.glyphs},
      text);
  if (!missingFont.empty()) tally.LeaveOut(LeftOut::kFontNotLoaded, kind, missingFont);
  else if (chunked) tally.LeaveOut(LeftOut::kMtextChunks, kind);
  return true;
}

}  // namespace

bool ReadTextEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  return ReadText(context, reader, firstCode, "TEXT");
}

bool ReadParagraphTextEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  return ReadText(context, reader, firstCode, "MTEXT");
}

}  // namespace dxfelem
