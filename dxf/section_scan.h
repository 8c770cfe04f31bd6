// Finding the ENTITIES section, reading HEADER and TABLES on the way.
#pragma once

namespace dxfelem {

struct EntityContext;
class DxfLineReader;

enum class ScanOutcome {
  kEntities,      // positioned on the line after "ENTITIES"
  kEndOfDrawing,  // an "EOF" line came first: there are no entities to read
  kFailed,        // the file ended before either: a truncated drawing
};

// The reader of the TABLES section: the conversion's, or the listing's.
using TablesReader = void (*)(EntityContext& context, DxfLineReader& reader, void* tablesContext);

ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader);
// The same scan with another TABLES reader.
ScanOutcome ScanSections(EntityContext& context, DxfLineReader& reader, TablesReader tables, void* tablesContext);

}  // namespace dxfelem
