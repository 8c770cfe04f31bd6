#include "interface/completion_file.h"

#include "platform/small_file.h"

namespace dxfelem {

void WriteCompletionFile(const std::string& path) {
  if (!path.empty()) WriteSmallFile(path, "1");
}

}  // namespace dxfelem
