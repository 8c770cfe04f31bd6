// The format check: is this a DXF file in text form at all?
#pragma once

#include "platform/text_input_file.h"

namespace dxfelem {

// Within the first 32 lines (of at most 526 characters each), the first line
// that starts with '0' after leading spaces must be followed by a line that
// starts with "SECTION" after leading spaces. The file is rewound before and
// after the check.
bool CheckDxfSignature(TextInputFile& file);

}  // namespace dxfelem
