#include "dxf/section_scan.h"

#include <string>
#include <string_view>

#include "dxf/entity_context.h"
#include "dxf/header_reader.h"
#include "dxf/reading_tally.h"
#include "dxf/tables_reader.h"
#include "dxf/value_readers.h"

namespace dxfelem {
namespace {

enum class ScanState {
  kLookingForZero,  // a "0" starts something
  kAfterZero,       // "SECTION" opens a section, "EOF" ends the drawing
  kInSection,       // looking for the section name or its end
  kAfterLayerCode,  // the value of an "8" group: a layer named "0" must not start a section
};

// Counts the entities of every block definition as the BLOCKS section is
// passed over, so that what an INSERT of an unnamed block leaves out can be
// told. It only watches, reading the section in pairs of group code and
// value: the scan goes on exactly as without it.
class BlockCounter {
 public:
  explicit BlockCounter(ReadingTally& tally) : tally_(tally) {}

  // Every line of the section after its name.
  void Line(Token token, std::string_view line) {
    codeLine_ = !codeLine_;
    if (codeLine_) {
      code_ = token;
      return;
    }
    if (code_ == kGroup0) {
      if (token == kTokenBlock || token == kTokenEndblk) {
        Close();
        inBlock_ = token == kTokenBlock;
      } else if (inBlock_ && IsEntity(token, line)) {
        ++entities_;
      }
    } else if (code_ == kGroup2 && inBlock_ && !named_) {
      name_ = line;
      named_ = true;
    }
  }
  void Close() {
    if (inBlock_ && named_) tally_.CountBlockEntities(name_, entities_);
    inBlock_ = false;
    named_ = false;
    entities_ = 0;
  }

 private:
  // An entity kind; the parts of a heavy polyline are not entities of their own.
  static bool IsEntity(Token token, std::string_view line) {
    if (token == kTokenVertex || token == kTokenSeqend) return false;
    if (KindName(token) != "?") return true;
    if (token != kTokenNone) return false;
    for (const char c : line) {
      if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    }
    return false;
  }

  ReadingTally& tally_;
  bool codeLine_ = false;  // the line before was a value (the section's name)
  Token code_ = kTokenNone;
  bool inBlock_ = false;
  bool named_ = false;
  std::string name_;
  long entities_ = 0;
};

}  // namespace

ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader) {
  return ScanSections(
      context, reader, [](EntityContext& scanned, DxfLineReader& lines, void*) { ReadTables(scanned, lines); },
      nullptr);
}

ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader, TablesReader tables, void* tablesContext) {
  ScanState state = ScanState::kLookingForZero;
  BlockCounter blocks(context.reading.tally);
  bool inBlocks = false;  // within the BLOCKS section
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case ScanState::kLookingForZero:
        if (token == kGroup0) state = ScanState::kAfterZero;
        else if (token == kGroup8) state = ScanState::kAfterLayerCode;
        break;
      case ScanState::kAfterZero:
        if (token == kTokenSection) state = ScanState::kInSection;
        else if (token == kTokenEof) return ScanOutcome::kEndOfDrawing;
        else state = ScanState::kLookingForZero;
        break;
      case ScanState::kInSection:
        // The block counter watches the BLOCKS section; the scan reacts to
        // its lines as to any other section's.
        if (inBlocks && token != kTokenEndsec) blocks.Line(token, line);
        if (token == kTokenBlocks && !inBlocks) inBlocks = true;
        if (token == kTokenEndsec) {
          blocks.Close();
          inBlocks = false;
          state = ScanState::kLookingForZero;
        } else if (token == kTokenEntities) {
          return ScanOutcome::kEntities;
        } else if (token == kTokenHeader) {
          ReadHeader(context, reader);
          ApplyDrawingUnits(context);
          state = ScanState::kLookingForZero;
        } else if (token == kTokenTables) {
          tables(context, reader, tablesContext);
          state = ScanState::kLookingForZero;
        }
        // BLOCKS and every other section are passed over line by line.
        break;
      case ScanState::kAfterLayerCode: state = ScanState::kLookingForZero; break;
    }
  }
  // The file ended inside the scan: the drawing is incomplete.
  return ScanOutcome::kFailed;
}

}  // namespace dxfelem
