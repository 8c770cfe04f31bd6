#include "platform/path_parts.h"

namespace dxfelem {

std::string FolderOf(const std::string& path) {
#ifdef _WIN32
  const std::size_t separator = path.find_last_of("/\\:");
#else
  const std::size_t separator = path.rfind('/');
#endif
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace dxfelem
