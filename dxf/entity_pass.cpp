#include "dxf/entity_pass.h"

#include "dxf/entity_context.h"
#include "dxf/entity_readers.h"
#include "dxf/value_readers.h"

namespace dxfelem {
namespace {

struct EntityKind {
  Token name;
  EntityReader reader;
};

// The entity kinds that have a reader. Every other entity name (HATCH,
// VIEWPORT, ...) is unrecognised and scanned over; so is SPLINE unless
// SplineArchi asks for its arcs.
constexpr EntityKind kEntityKinds[] = {
    {kTokenLine, ReadLineEntity},
    {kToken3dline, ReadLineEntity},
    {kTokenPoint, ReadPointEntity},
    {kTokenCircle, ReadCircleEntity},
    {kTokenArc, ReadArcEntity},
    {kTokenSolid, ReadQuadrilateral},
    {kTokenTrace, ReadQuadrilateral},
    {kToken3dface, ReadFaceEntity},
    {kTokenShape, SkipEntity},
    {kTokenEllipse, ReadEllipseEntity},
    {kTokenDimension, SkipEntity},
    {kTokenText, ReadTextEntity},
    {kTokenMtext, ReadParagraphTextEntity},
    {kTokenAttdef, SkipEntity},
    {kTokenAttrib, ReadAttributeEntity},
    {kTokenInsert, ReadInsertEntity},
    {kTokenPolyline, ReadPolylineEntity},
    {kTokenVertex, ReadVertexEntity},
    {kTokenSeqend, ReadSequenceEnd},
    {kTokenLwpolyline, ReadLightPolyline},
};

// SPLINE is no keyword of the table (the hosts never read it): its name is
// told by its text, without regard to case like the keywords.
bool IsSplineName(std::string_view text) {
  constexpr std::string_view kSpline = "SPLINE";
  if (text.size() != kSpline.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
    if (c != kSpline[i]) return false;
  }
  return true;
}

}  // namespace

bool IsConvertedKindName(std::string_view kind) {
  const Token token = LookupKeyword(kind);
  for (const EntityKind& entry : kEntityKinds) {
    if (entry.name == token) return entry.reader != SkipEntity;
  }
  return false;
}

namespace {

EntityReader ReaderFor(Token name, std::string_view text, bool listingBlocks, const ParameterRecord& parameters) {
  if (listingBlocks && (name == kTokenEllipse || name == kTokenMtext)) return nullptr;
  if (name == kTokenNone && !listingBlocks && parameters.SplineArchi == 1 && IsSplineName(text)) {
    return ReadSplineEntity;
  }
  for (const EntityKind& kind : kEntityKinds) {
    if (kind.name == name) return kind.reader;
  }
  return nullptr;
}

// A name after a "0" line that no reader takes: an entity kind when it
// holds a letter (the line after a value "0" of another group is a group
// code, all digits).
bool IsKindName(std::string_view text) {
  for (const char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  }
  return false;
}

bool IsEntityKind(Token token) { return KindName(token) != "?"; }

// Counts the entity met, and whether it makes nothing for its kind alone.
// The parts of a heavy polyline are no entities of their own.
void Tally(ReadingTally& tally, Token token, std::string_view name, EntityReader reader) {
  if (token == kTokenVertex || token == kTokenSeqend) return;
  if (IsEntityKind(token)) {
    tally.Read(token);
    if (reader == SkipEntity) tally.LeaveOut(LeftOut::kKindNotConverted, KindName(token));
    return;
  }
  if (token != kTokenNone || !IsKindName(name)) return;
  tally.ReadUnnamed(name);
  if (reader == nullptr) {
    tally.LeaveOut(IsSplineName(name) ? LeftOut::kSplineNotAsked : LeftOut::kKindNotConverted, name);
  }
}

// What the counts held before an entity was read, to tell afterwards
// whether it made elements, was left out for a reason, or made nothing.
struct EntityOutcome {
  std::size_t built = 0;
  long settled = 0;
  std::string unnamedKind;  // the name of a kind without a token (SPLINE)

  EntityOutcome(const EntityContext& context, Token token, std::string_view name)
      : built(context.sink.drawing != nullptr ? context.sink.drawing->built() : 0),
        settled(context.reading.tally.SettledSoFar()) {
    if (token == kTokenNone) unnamedKind = name;
  }

  // Polylines are settled when they are emitted.
  void Settle(EntityContext& context, Token token) const {
    if (token == kTokenPolyline || token == kTokenVertex || token == kTokenSeqend || token == kTokenLwpolyline) return;
    ReadingTally& tally = context.reading.tally;
    if (tally.SettledSoFar() != settled) return;
    const Drawing* drawing = context.sink.drawing;
    const bool made = drawing != nullptr && drawing->built() != built;
    if (made && token == kTokenNone) tally.MadeUnnamed(unnamedKind);
    else if (made) tally.Made(token);
    else tally.LeaveOut(LeftOut::kNothingMade, token == kTokenNone ? std::string_view(unnamedKind) : KindName(token));
  }
};

enum class PassState {
  kScanning,        // looking for a "0"
  kAfterLayerCode,  // the value of an "8" group is skipped
  kEntityName,      // the line is an entity name
};

bool RunEntityPass(EntityContext& context, DxfLineReader& reader, BlockList* blockList) {
  // A polyline left open when the pass ends, however it ends, is dropped.
  struct ReleaseOpenPolyline {
    EntityContext& context;
    ~ReleaseOpenPolyline() {
      if (context.reading.openPolyline) context.reading.tally.LeaveOut(LeftOut::kUnfinished, "POLYLINE");
      context.reading.openPolyline.reset();
    }
  } release{context};
  PassState state = PassState::kScanning;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case PassState::kScanning:
        if (token == kGroup0) state = PassState::kEntityName;
        else if (token == kGroup8) state = PassState::kAfterLayerCode;
        break;
      case PassState::kAfterLayerCode: state = PassState::kScanning; break;
      case PassState::kEntityName: {
        if (token == kTokenEndsec || token == kTokenEndblk || token == kTokenEof) return true;
        if (token == kGroup0) break;
        const EntityReader entityReader = ReaderFor(token, line, blockList != nullptr, context.parameters);
        const EntityOutcome outcome(context, token, entityReader != nullptr && token == kTokenNone ? line : "");
        if (blockList == nullptr) Tally(context.reading.tally, token, line, entityReader);
        if (entityReader == nullptr) {
          state = PassState::kScanning;
          break;
        }
        context.reading.entityKind = token == kTokenNone ? std::string_view(outcome.unnamedKind) : KindName(token);
        const bool read = entityReader(context, reader, ReadToken(reader));
        context.reading.entityKind = {};  // it may name the outcome's copy
        if (!read) return false;
        if (blockList == nullptr) outcome.Settle(context, token);
        if (blockList != nullptr && token == kTokenInsert) blockList->Add(context.reading.lastInsertBlock);
        // The reader consumed the entity's closing "0" line: a name follows.
        break;
      }
    }
  }
  return false;
}

}  // namespace

bool ReadEntities(EntityContext& context, DxfLineReader& reader) { return RunEntityPass(context, reader, nullptr); }

bool ReadEntitiesListingBlocks(EntityContext& context, DxfLineReader& reader, BlockList& list) {
  return RunEntityPass(context, reader, &list);
}

}  // namespace dxfelem
