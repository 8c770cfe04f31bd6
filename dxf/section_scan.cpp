#include "dxf/section_scan.h"

#include <string>
#include <string_view>
#include <vector>

#include "dxf/block_contents.h"
#include "dxf/entity_context.h"
#include "dxf/header_reader.h"
#include "dxf/reading_tally.h"
#include "dxf/tables_reader.h"
#include "dxf/value_readers.h"
#include "platform/c_number_text.h"

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
// value: the scan goes on exactly as without it. When blocks are drawn, it
// also keeps their definitions.
class BlockCounter {
 public:
  BlockCounter(ReadingTally& tally, BlockContents* definitions) : tally_(tally), definitions_(definitions) {}

  // Every line of the section after its name.
  void Line(Token token, std::string_view line) {
    codeLine_ = !codeLine_;
    if (codeLine_) {
      code_ = token;
      if (definitions_ != nullptr) codeNumber_ = ParseInt(line);
      return;
    }
    if (definitions_ != nullptr) definitions_->Pair(codeNumber_, line);
    if (code_ == kGroup0) {
      inInsert_ = false;
      if (token == kTokenBlock || token == kTokenEndblk) {
        CloseCount();
        inBlock_ = token == kTokenBlock;
      } else if (inBlock_ && IsEntity(token, line)) {
        ++entities_;
        inInsert_ = token == kTokenInsert;
      }
    } else if (code_ == kGroup2 && inBlock_ && !named_) {
      name_ = line;
      named_ = true;
    } else if (code_ == kGroup2 && inInsert_) {
      inserted_.emplace_back(line);
      inInsert_ = false;
    }
  }
  // The section's end.
  void Close() {
    if (definitions_ != nullptr) definitions_->Close();
    CloseCount();
  }

 private:
  void CloseCount() {
    if (inBlock_ && named_) tally_.CountBlockEntities(name_, entities_, std::move(inserted_));
    inserted_.clear();
    inBlock_ = false;
    named_ = false;
    entities_ = 0;
  }

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
  BlockContents* definitions_;
  int32_t codeNumber_ = 0;
  bool codeLine_ = false;  // the line before was a value (the section's name)
  Token code_ = kTokenNone;
  bool inBlock_ = false;
  bool inInsert_ = false;              // an INSERT whose block is not named yet
  std::vector<std::string> inserted_;  // the blocks the block's INSERTs name
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
  BlockCounter blocks(context.reading.tally, context.reading.blockContents.get());
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
