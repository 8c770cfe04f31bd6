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

ScanOutcome ScanSections(ConversionJob& job, DxfLineReader& reader);

}  // namespace dxfelem
