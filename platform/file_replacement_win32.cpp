#include <windows.h>

#include <string>

#include "platform/file_replacement.h"

namespace dxfelem {
namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

bool IsReplaceableFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

// The hosts' files are plain files; links are not followed on Windows.
std::string FinalTarget(const std::string& path) { return path; }

FileReplacement::~FileReplacement() { Abandon(); }

bool FileReplacement::Begin(const std::string& path) {
  Abandon();
  if (path.empty()) return false;
  target_ = FinalTarget(path);
  if (!IsReplaceableFile(target_)) return false;
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath_ = target_ + ".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
    // CREATE_NEW never takes over a file that exists.
    HANDLE handle =
        CreateFileA(temporaryPath_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<std::intptr_t>(handle);
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  temporaryPath_.clear();
  return false;
}

bool FileReplacement::Write(const char* bytes, std::size_t count) {
  if (handle_ == -1) return false;
  while (count > 0) {
    const DWORD part = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), bytes, part, &written, nullptr) || written == 0) return false;
    bytes += written;
    count -= written;
  }
  return true;
}

bool FileReplacement::Commit() {
  if (handle_ == -1) return false;
  bool ok = FlushFileBuffers(AsHandle(handle_)) != 0;
  ok = CloseHandle(AsHandle(handle_)) != 0 && ok;
  handle_ = -1;
  ok = ok &&
       MoveFileExA(temporaryPath_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok) Abandon();
  temporaryPath_.clear();
  return ok;
}

void FileReplacement::Abandon() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  handle_ = -1;
  if (!temporaryPath_.empty()) DeleteFileA(temporaryPath_.c_str());
  temporaryPath_.clear();
}

}  // namespace dxfelem
