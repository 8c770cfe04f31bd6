// The pass over the ENTITIES section, one reader per entity kind.
#pragma once

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

// Starts on the line after "ENTITIES" and ends at "ENDSEC", "ENDBLK", "EOF"
// or "EOFILE". Answers 0 when a reader fails, or when the file ends before
// any of those lines: a drawing cut off inside its entities is not
// converted in part, since a machine must not cut half a drawing.
int ReadEntities(ConversionJob& job, DxfLineReader& reader);

}  // namespace dxfelem
