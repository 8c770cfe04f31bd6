// The one-character file the host waits for before it reads the outcome.
#pragma once

#include <string>

namespace dxfelem {

// Creates or truncates the file and writes "1" without a line end. A file
// that cannot be created is ignored: the call's outcome stands.
void WriteCompletionFile(const std::string& path);

}  // namespace dxfelem
