#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/file_replacement.h"

namespace dxfelem {

bool IsReplaceableFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

std::FILE* CreateFileBeside(const std::string& path, std::string& temporaryPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = path + ".~" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
    // CREATE_NEW never takes over a file that exists.
    HANDLE handle = CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
      std::FILE* file = descriptor >= 0 ? _fdopen(descriptor, "wb") : nullptr;
      if (file != nullptr) return file;
      if (descriptor >= 0) _close(descriptor);
      else CloseHandle(handle);
      DeleteFileA(temporaryPath.c_str());
      break;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  temporaryPath.clear();
  return nullptr;
}

bool ReplaceFileWith(const std::string& temporaryPath, const std::string& path) {
  return MoveFileExA(temporaryPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFileQuietly(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace dxfelem
