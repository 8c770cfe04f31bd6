// Splitting file paths.
#pragma once

#include <string>

namespace dxfelem {

// The separator between folder names in the paths this system builds.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The drive and folder of a path, with its final separator: "" for a bare
// file name. On Windows "\" and a drive letter count as well as "/".
std::string FolderOf(const std::string& path);

}  // namespace dxfelem
