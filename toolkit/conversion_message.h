// The one line that tells people how a conversion ended.
#pragma once

#include <cstdint>
#include <string>

namespace dxfelem {

// `named`: the file the status code concerns, empty when none.
std::string ConversionMessage(bool done, int32_t errorCode, const std::string& named, const std::string& dxfFile,
                              const std::string& outputFile);

}  // namespace dxfelem
