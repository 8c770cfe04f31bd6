// Splitting file paths.
#pragma once

#include <string>

namespace dxfelem {

// The drive and folder of a path, with its final separator: "" for a bare
// file name. On Windows "\" and a drive letter count as well as "/".
std::string FolderOf(const std::string& path);

}  // namespace dxfelem
