#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>

#include "platform/locked_file.h"

namespace dxfelem {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

void SleepMilliseconds(long milliseconds) {
  timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

// Opens the file, creating it when it is missing; `created` tells which.
int OpenOrCreate(const std::string& path, bool& created) {
  for (;;) {
    int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor >= 0 || errno != ENOENT) {
      created = false;
      return descriptor;
    }
    descriptor = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (descriptor >= 0 || errno != EEXIST) {
      created = descriptor >= 0;
      return descriptor;
    }
    // Another process created it between the two opens: open theirs.
  }
}

}  // namespace

LockedFile::~LockedFile() { Release(); }

void LockedFile::Release() {
  if (descriptor_ < 0) return;
  // An empty file made only to be locked must not stay behind when
  // nothing was put into it; it goes while the lock still keeps others out.
  struct stat mine;
  struct stat named;
  if (created_ && !written_ && fstat(descriptor_, &mine) == 0 && mine.st_size == 0 &&
      stat(path_.c_str(), &named) == 0 && SameFile(mine, named)) {
    unlink(path_.c_str());
  }
  close(descriptor_);
  descriptor_ = -1;
}

bool LockedFile::Acquire(const std::string& path, int waitMilliseconds, std::string& failure) {
  Release();
  path_ = path;
  written_ = false;
  constexpr long kPause = 20;
  long waited = 0;
  for (;;) {
    descriptor_ = OpenOrCreate(path, created_);
    if (descriptor_ < 0) {
      failure = std::strerror(errno);
      return false;
    }
    while (flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
      if (errno != EWOULDBLOCK && errno != EINTR) {
        // A file system without locks (some shares) is written unlocked, as
        // before: refusing would keep the settings from ever being saved.
        if (errno == ENOLCK || errno == EOPNOTSUPP) return true;
        failure = std::strerror(errno);
        Release();
        return false;
      }
      if (waited >= waitMilliseconds) {
        failure = "another program holds its lock; waited " + std::to_string(waited / 1000) + "." +
                  std::to_string(waited % 1000 / 100) + " s";
        Release();
        return false;
      }
      SleepMilliseconds(kPause);
      waited += kPause;
    }
    // The holder before us may have put a new file under the name (or
    // removed it): the lock must be on the file that bears the name now.
    struct stat locked;
    struct stat named;
    if (fstat(descriptor_, &locked) == 0 && stat(path.c_str(), &named) == 0 && SameFile(locked, named)) return true;
    close(descriptor_);
    descriptor_ = -1;
  }
}

bool LockedFile::Read(std::string& text, long long largest, std::string& failure) const {
  text.clear();
  struct stat status;
  if (fstat(descriptor_, &status) != 0) {
    failure = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(status.st_mode)) {
    failure = "not a regular file";
    return false;
  }
  if (status.st_size > largest) {
    failure = "larger than an INI file can be";
    return false;
  }
  char chunk[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = pread(descriptor_, chunk, sizeof chunk, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failure = std::strerror(errno);
      return false;
    }
    if (n == 0) return true;
    text.append(chunk, static_cast<std::size_t>(n));
    offset += n;
    if (offset > largest) {
      failure = "larger than an INI file can be";
      return false;
    }
  }
}

bool LockedFile::HasOtherLinks() const {
  struct stat status;
  return descriptor_ >= 0 && fstat(descriptor_, &status) == 0 && status.st_nlink > 1;
}

bool LockedFile::Overwrite(const std::string& text, std::string& failure) {
  const int writer = open(path_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (writer < 0) {
    failure = std::strerror(errno);
    return false;
  }
  const off_t size = static_cast<off_t>(text.size());
  int error = size > 0 ? posix_fallocate(writer, 0, size) : 0;
  std::size_t done = 0;
  while (error == 0 && done < text.size()) {
    const ssize_t n = pwrite(writer, text.data() + done, text.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    else done += static_cast<std::size_t>(n);
  }
  if (error == 0 && ftruncate(writer, size) != 0) error = errno;
  if (error == 0 && fsync(writer) != 0) error = errno;
  if (close(writer) != 0 && error == 0) error = errno;
  if (error != 0) {
    failure = std::strerror(error);
    return false;
  }
  written_ = true;
  return true;
}

}  // namespace dxfelem
