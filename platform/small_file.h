// Whole small files written at once (the completion file).
#pragma once

#include <string>
#include <string_view>

namespace dxfelem {

// Creates or truncates the file and writes the bytes as they are. False when
// the file cannot be created or written completely.
bool WriteSmallFile(const std::string& path, std::string_view bytes);

}  // namespace dxfelem
