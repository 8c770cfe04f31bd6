#include "dxf/header_reader.h"

#include "interface/conversion_job.h"

namespace dxfelem {

// The header variables are not read yet: the section scan walks the header
// lines itself, and the length settings stay as the parameter file gave them.
void ReadHeader(ConversionJob&, DxfLineReader&) {}

void ApplyDrawingUnits(ConversionJob&) {}

}  // namespace dxfelem
