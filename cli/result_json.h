// The result record as a JSON object, for scripts.
#pragma once

#include <string>

#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {

// Every field of the record and the value the call returned, as a JSON
// document (with its final newline). Texts are the bytes the record holds,
// made valid UTF-8.
std::string ResultJson(int32_t returned, const ConversionResult& record);

}  // namespace dxfelem::cli
