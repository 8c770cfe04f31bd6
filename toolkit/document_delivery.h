// A document a call made for a person (a picture, a DXF, a list): into its
// file, replacing an old file only once the new one is whole, or kept in
// the report when no file is named.
#pragma once

#include <string>

#include "toolkit/tool_report.h"

namespace dxfelem {

// The report is done with `done` as its message (the document in its text
// when `output` is empty), or failed with code 8 naming `output` (an old
// file of that name as it was).
void DeliverDocument(std::string document, const std::string& output, const std::string& done, ToolReport& report);

}  // namespace dxfelem
