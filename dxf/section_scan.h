// Finding the ENTITIES section, reading HEADER and TABLES on the way.
#pragma once

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

enum class ScanOutcome {
  kEntities,     // positioned on the line after "ENTITIES"
  kEndOfDrawing, // an "EOF" line came first: there are no entities to read
  kFailed,       // the file ended before either: a truncated drawing
};

// The reader of the TABLES section: the conversion's, or the listing's.
using TablesReader = void (*)(ConversionJob& job, DxfLineReader& reader, void* context);

ScanOutcome ScanSections(ConversionJob& job, DxfLineReader& reader);
// The same scan with another TABLES reader.
ScanOutcome ScanSections(ConversionJob& job, DxfLineReader& reader, TablesReader tables, void* context);

}  // namespace dxfelem
