// Replacing a user's file only when its new content is complete: the new
// content goes to a temporary file beside it, which then takes its place in
// one step.
#pragma once

#include <cstdio>
#include <string>

namespace dxfelem {

// True when the file may be replaced: it does not exist yet, or it is a
// regular file that is not read-only (no write permission for anyone).
// Read-only files are refused even for an administrator, as on the hosts.
bool IsReplaceableFile(const std::string& path);

// Creates a new, empty file in the folder of `path`, with a name that no
// other file has, opened for writing bytes. Null when it cannot be created.
std::FILE* CreateFileBeside(const std::string& path, std::string& temporaryPath);

// Puts the temporary file in place of `path` in one step; false when it
// cannot (the temporary file is then still there).
bool ReplaceFileWith(const std::string& temporaryPath, const std::string& path);

// Removes a file; nothing happens when it cannot be removed.
void RemoveFileQuietly(const std::string& path);

}  // namespace dxfelem
