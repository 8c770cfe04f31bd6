#include "dxf/section_scan.h"

#include "dxf/header_reader.h"
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

}  // namespace

ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader) {
  return ScanSections(
      context, reader, [](EntityContext& scanned, DxfLineReader& lines, void*) { ReadTables(scanned, lines); },
      nullptr);
}

ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader, TablesReader tables, void* tablesContext) {
  ScanState state = ScanState::kLookingForZero;
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
        if (token == kTokenEndsec) {
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
