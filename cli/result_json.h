// The result record as a JSON object, for scripts.
#pragma once

#include <string>

#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {

// Every field of the record and the value the call returned. Texts are
// written as the bytes the record holds (the file names the tool was given),
// with quotes, backslashes and control characters escaped.
std::string ResultJson(int32_t returned, const ConversionResult& record);

}  // namespace dxfelem::cli
