#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/file_replacement.h"

namespace dxfelem {

bool IsReplaceableFile(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::FILE* CreateFileBeside(const std::string& path, std::string& temporaryPath) {
  // The process number keeps two processes apart; the counter, two files of
  // one process. O_EXCL never takes over a file that exists.
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = path + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    int descriptor = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) {
      std::FILE* file = fdopen(descriptor, "wb");
      if (file != nullptr) return file;
      close(descriptor);
      unlink(temporaryPath.c_str());
      return nullptr;
    }
    if (errno != EEXIST) break;
  }
  temporaryPath.clear();
  return nullptr;
}

bool ReplaceFileWith(const std::string& temporaryPath, const std::string& path) {
  return std::rename(temporaryPath.c_str(), path.c_str()) == 0;
}

void RemoveFileQuietly(const std::string& path) { unlink(path.c_str()); }

}  // namespace dxfelem
