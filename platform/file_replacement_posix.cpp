#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

#include "platform/file_replacement.h"

namespace dxfelem {
namespace {

// Names of temporary files: the process number keeps two processes apart,
// the counter two files of one process.
std::string TemporaryName(const std::string& target) {
  static unsigned counter = 0;
  return target + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

std::string FolderOfTarget(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : target.substr(0, slash);
}

// The new version gets the old file's owner first (which clears set-id
// bits), then its mode. An owner we may not set is not an error: the file
// then belongs to whoever runs the conversion, as any new file would.
void TakeOverAttributes(int descriptor, const std::string& target) {
  struct stat old;
  if (stat(target.c_str(), &old) != 0) return;
  if (fchown(descriptor, old.st_uid, old.st_gid) != 0) {
    // Not permitted: keep our own owner.
  }
  fchmod(descriptor, old.st_mode & 07777);
}

bool WriteAll(int descriptor, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(descriptor, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

// Gives the unnamed file a name beside its target: through /proc (any
// user), or through the descriptor itself (privileged processes).
bool LinkUnnamed(int descriptor, const std::string& name) {
  const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
  if (linkat(AT_FDCWD, link.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  if (errno == EEXIST) return false;
  return linkat(descriptor, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

// Where an unnamed file cannot be given a name (no /proc, no privilege),
// its content is copied into a named one.
bool CopyInto(int from, int to) {
  char chunk[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = pread(from, chunk, sizeof chunk, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return fsync(to) == 0;
    if (!WriteAll(to, chunk, static_cast<std::size_t>(n))) return false;
    offset += n;
  }
}

// Creates a new, empty file beside the target under a name no other file
// has; -1 when it cannot.
int CreateNamedTemporary(const std::string& target, std::string& temporaryPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = TemporaryName(target);
    const int descriptor = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) return descriptor;
    temporaryPath.clear();
    if (errno != EEXIST) break;
  }
  return -1;
}

// Names the unnamed file beside its target, under a name that no other file has.
bool NameUnnamed(int descriptor, const std::string& target, std::string& temporaryPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = TemporaryName(target);
    if (LinkUnnamed(descriptor, temporaryPath)) return true;
    temporaryPath.clear();
    if (errno != EEXIST) break;
  }
  const int copy = CreateNamedTemporary(target, temporaryPath);
  if (copy < 0) return false;
  TakeOverAttributes(copy, target);
  const bool copied = CopyInto(descriptor, copy);
  if (close(copy) == 0 && copied) return true;
  unlink(temporaryPath.c_str());
  temporaryPath.clear();
  return false;
}

// A named temporary file left by a process that was killed between naming
// and renaming it is removed by the next replacement of the same file, once
// its process is gone. Only when it has not changed for ten minutes: on a
// share, the process number may be another machine's, whose conversion
// is still writing it.
void RemoveAbandonedTemporaries(const std::string& target) {
  const std::string folder = FolderOfTarget(target);
  const std::size_t slash = target.rfind('/');
  const std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) + ".~";
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) return;
  const time_t now = time(nullptr);
  while (const dirent* entry = readdir(directory)) {
    const std::string_view name = entry->d_name;
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.substr(name.size() - 4) != ".tmp") {
      continue;
    }
    // "<pid>-<counter>" between the prefix and ".tmp", digits only.
    const std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    const std::size_t dash = middle.find('-');
    long long number = 0;
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == middle.size() ||
        middle.find_first_not_of("0123456789-") != std::string_view::npos || middle.rfind('-') != dash ||
        std::from_chars(middle.data(), middle.data() + dash, number).ptr != middle.data() + dash ||
        number > INT_MAX) {
      continue;
    }
    const pid_t owner = static_cast<pid_t>(number);
    if (owner == getpid() || kill(owner, 0) == 0 || errno != ESRCH) continue;
    const std::string path = folder + "/" + std::string(name);
    struct stat status;
    if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_mtime < now - 600) {
      unlink(path.c_str());
    }
  }
  closedir(directory);
}

}  // namespace

bool IsReplaceableFile(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string FinalTarget(const std::string& path) {
  std::string current = path;
  // As many links as the system itself follows; a loop ends there and the
  // replacement then fails on the link itself.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat status;
    if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
    char text[PATH_MAX];
    const ssize_t length = readlink(current.c_str(), text, sizeof text - 1);
    if (length <= 0) return current;
    std::string next(text, static_cast<std::size_t>(length));
    if (next[0] != '/') {
      const std::size_t slash = current.rfind('/');
      if (slash != std::string::npos) next = current.substr(0, slash + 1) + next;
    }
    current = std::move(next);
  }
  return current;
}

FileReplacement::~FileReplacement() { Abandon(); }

bool FileReplacement::Begin(const std::string& path) {
  Abandon();
  if (path.empty()) return false;
  target_ = FinalTarget(path);
  if (!IsReplaceableFile(target_)) return false;
  RemoveAbandonedTemporaries(target_);
  // An unnamed file shows nothing in the folder while it is written: a
  // process killed half-way leaves no debris. Where the file system cannot
  // make one, a named temporary file beside the target is used.
  int descriptor = open(FolderOfTarget(target_).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  unnamed_ = descriptor >= 0;
  if (!unnamed_) descriptor = CreateNamedTemporary(target_, temporaryPath_);
  if (descriptor < 0) return false;
  handle_ = descriptor;
  written_ = sentToDisk_ = 0;
  TakeOverAttributes(descriptor, target_);
  return true;
}

bool FileReplacement::Write(const char* bytes, std::size_t count) {
  if (handle_ < 0 || !WriteAll(static_cast<int>(handle_), bytes, count)) return false;
  written_ += count;
#ifdef __linux__
  // A large file is sent to the disk while the rest is still being written,
  // so that the sync before the commit waits only for its last part: the
  // system would otherwise start only when the sync asks (a second for a
  // gigabyte). Not waited for here; a failure shows in the sync.
  constexpr std::uint64_t kSendStep = std::uint64_t{16} << 20;
  if (written_ - sentToDisk_ >= kSendStep) {
    sync_file_range(static_cast<int>(handle_), static_cast<off_t>(sentToDisk_),
                    static_cast<off_t>(written_ - sentToDisk_), SYNC_FILE_RANGE_WRITE);
    sentToDisk_ = written_;
  }
#endif
  return true;
}

bool FileReplacement::Commit() {
  if (handle_ < 0) return false;
  const int descriptor = static_cast<int>(handle_);
  // The content reaches the disk before it takes the old file's place, so
  // that a crash of the machine cannot leave an empty file under the name.
  bool ok = fsync(descriptor) == 0;
  if (ok && unnamed_) ok = NameUnnamed(descriptor, target_, temporaryPath_);
  ok = close(descriptor) == 0 && ok;
  handle_ = -1;
  ok = ok && std::rename(temporaryPath_.c_str(), target_.c_str()) == 0;
  if (!ok) Abandon();
  temporaryPath_.clear();
  return ok;
}

void FileReplacement::Abandon() {
  if (handle_ >= 0) close(static_cast<int>(handle_));
  handle_ = -1;
  if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
  temporaryPath_.clear();
}

}  // namespace dxfelem
