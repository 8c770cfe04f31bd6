// The TABLES section: the text styles, for the text outlines.
#pragma once

#include "text/text_style_table.h"

namespace dxfelem {

struct EntityContext;
class DxfLineReader;

// Called on the line after "TABLES"; returns after the section's "ENDSEC".
void ReadTables(EntityContext& context, DxfLineReader& reader);

// From the line after a table's name to its "ENDTAB": the STYLE table into
// the context's text styles, or any table passed over.
void ReadStyleTable(DxfLineReader& reader, TextStyleTable& table);
void SkipTable(DxfLineReader& reader);

}  // namespace dxfelem
