// A file held under an exclusive lock for one read-modify-write, so that
// two processes changing one file (two conversions with one parameter file
// on a share) each apply their changes to what the other wrote, and neither
// loses the other's. The lock is advisory: it keeps out every process that
// takes it too.
#pragma once

#include <string>

namespace dxfelem {

class LockedFile {
 public:
  LockedFile() = default;
  ~LockedFile();  // releases the lock; removes the file if it was created here and never written
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  // Opens `path` (creating it, empty, when it is missing) and locks it,
  // waiting at most `waitMilliseconds` for another holder. A file replaced
  // by its holder meanwhile is opened again, so that the lock is on the
  // file that bears the name. False with the reason when it cannot.
  bool Acquire(const std::string& path, int waitMilliseconds, std::string& failure);
  // The whole file; false with the reason when it cannot be read, or is
  // larger than `largest` bytes.
  bool Read(std::string& text, long long largest, std::string& failure) const;
  // True when other names (hard links) lead to the same file: a new file
  // under this name would leave them with the old content.
  bool HasOtherLinks() const;
  // Writes `text` over the file's content, keeping the file (and so its
  // links): room is reserved first, so that a full disk fails before a byte
  // changes. False with the reason when it cannot.
  bool Overwrite(const std::string& text, std::string& failure);
  // The content was put in place through another name (a replacement): the
  // file created here is no longer debris.
  void MarkWritten() { written_ = true; }

 private:
  void Release();

  std::string path_;
  int descriptor_ = -1;
  bool created_ = false;  // the file did not exist before Acquire
  bool written_ = false;
};

}  // namespace dxfelem
