#include "dxf/tables_reader.h"

#include "interface/conversion_job.h"

namespace dxfelem {

// The tables are not read yet: the section scan walks their lines itself,
// and the text-style table stays empty.
void ReadTables(ConversionJob&, DxfLineReader&) {}

}  // namespace dxfelem
