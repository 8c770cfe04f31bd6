// The TABLES section: the text styles, for the text outlines.
#pragma once

#include "dxf/text_style_table.h"

namespace dxfelem {

class ConversionJob;
class DxfLineReader;

// Called on the line after "TABLES"; returns after the section's "ENDSEC".
void ReadTables(ConversionJob& job, DxfLineReader& reader);

// From the line after a table's name to its "ENDTAB": the STYLE table into
// the job's text styles, or any table passed over.
void ReadStyleTable(DxfLineReader& reader, TextStyleTable& table);
void SkipTable(DxfLineReader& reader);

}  // namespace dxfelem
