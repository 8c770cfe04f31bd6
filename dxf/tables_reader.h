// The TABLES section: the text styles, for the text outlines.
#pragma once

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

// Called on the line after "TABLES"; returns after the section's "ENDSEC".
void ReadTables(ConversionJob& job, DxfLineReader& reader);

}  // namespace dxfelem
