// Replacing a user's file only when its new content is complete. The new
// content is written beside the file, made durable, and then takes the
// file's place in one step: a failure at any point, or a process killed
// half-way, leaves the old file exactly as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dxfelem {

// True when the file may be replaced: it does not exist yet, or it is a
// regular file that is not read-only (no write permission for anyone).
// Read-only files are refused even for an administrator, as on the hosts.
bool IsReplaceableFile(const std::string& path);

// The file a path finally names: symbolic links are followed to their
// target (which need not exist yet), so that a new version goes where the
// link points and the link stays a link.
std::string FinalTarget(const std::string& path);

class FileReplacement {
 public:
  FileReplacement() = default;
  ~FileReplacement();  // abandons a version that was not committed
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Starts a new version of `path` (of its final target, for a link). False
  // when the file may not be replaced or nothing can be created beside it.
  bool Begin(const std::string& path);
  // False when the bytes cannot be written (a full disk, a lost share).
  bool Write(const char* bytes, std::size_t count);
  // Puts the new version in place, with the permissions (and the owner,
  // where the process may set it) of the file it replaces. False when it
  // cannot: the old file is then as it was and nothing is left beside it.
  bool Commit();
  // Drops the new version; the old file stays.
  void Abandon();

  const std::string& target() const { return target_; }

 private:
  std::string target_;
  std::string temporaryPath_;  // a named temporary file, while there is one
  std::intptr_t handle_ = -1;  // the open new version (descriptor or handle)
  bool unnamed_ = false;       // not visible in the folder until committed
  // Bytes written, and how many of them were sent on their way to the disk.
  std::uint64_t written_ = 0;
  std::uint64_t sentToDisk_ = 0;
};

}  // namespace dxfelem
