// The private-profile functions for systems without them.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/file_replacement.h"
#include "platform/ini_text.h"
#include "platform/locked_file.h"
#include "platform/profile_file.h"
#include "platform/user_message.h"

namespace dxfelem {
namespace {

constexpr off_t kLargestProfile = kLargestProfileBytes;

// The hosts' file names are case-insensitive: "ROZOZ.INI" must find
// "rozoz.ini". The exact name is used when it exists or nothing else fits.
// A folder that cannot be searched is a failed read, not a missing file.
std::string FindFileIgnoringCase(const std::string& path, std::string& failure) {
  struct stat status;
  if (stat(path.c_str(), &status) == 0) return path;
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) {
    if (errno != ENOENT && errno != ENOTDIR) failure = std::strerror(errno);
    return path;
  }
  std::string found = path;
  while (const dirent* entry = readdir(directory)) {
    if (strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = (slash == std::string::npos ? std::string() : folder) + entry->d_name;
      break;
    }
  }
  closedir(directory);
  return found;
}

// Size, modification time and file number: a different stamp means a
// different file.
std::string StampOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return "missing";
  return std::to_string(status.st_size) + ":" + std::to_string(status.st_mtim.tv_sec) + "." +
         std::to_string(status.st_mtim.tv_nsec) + ":" + std::to_string(status.st_ino);
}

// The whole file into `text`. A missing file is an empty text; a file that
// is there but cannot be read whole answers with the reason.
std::string ReadWholeFile(const std::string& path, std::string& text) {
  text.clear();
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT || errno == ENOTDIR ? "" : std::strerror(errno);
  if (!S_ISREG(status.st_mode)) return "not a regular file";
  if (status.st_size > kLargestProfile) return "larger than an INI file can be";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::strerror(errno);
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) {
    text.append(chunk, n);
    if (text.size() > static_cast<std::size_t>(kLargestProfile)) break;
  }
  const int error = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (error != 0) return std::strerror(error);
  if (text.size() > static_cast<std::size_t>(kLargestProfile)) return "larger than an INI file can be";
  return "";
}

// The leading decimal integer, with an optional sign, taken modulo 2^32 as
// the Windows function does ("4294967297" is 1, "-1" stays -1).
int32_t ProfileInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

ProfileFile ProfileFile::InMemory(std::string text, std::string origin) {
  ProfileFile file(std::move(origin));
  file.text_ = std::move(text);
  file.inMemory_ = true;
  return file;
}

const std::string& ProfileFile::Text() const {
  if (inMemory_ || path_.empty() || changed_ || !readFailure_.empty()) return text_;
  std::string failure;
  const std::string actual = FindFileIgnoringCase(path_, failure);
  std::string stamp = StampOf(actual);
  if (failure.empty() && stamp == stamp_) return text_;
  if (failure.empty()) failure = ReadWholeFile(actual, text_);
  // Once a read failed, the settings already taken came from defaults: the
  // file must not be written from them, even if a later read would work.
  if (!failure.empty()) {
    text_.clear();
    readFailure_ = failure;
  }
  stamp_ = std::move(stamp);
  return text_;
}

bool ProfileFile::TakesWrites() const {
  if (path_.empty()) return false;
  Text();
  if (!readFailure_.empty()) return false;
  std::string failure;
  return IsReplaceableFile(FinalTarget(FindFileIgnoringCase(path_, failure)));
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t size) const {
  std::string value;
  if ((path_.empty() && !inMemory_) || !FindIniValue(Text(), section, key, value)) {
    // The default loses its trailing blanks, as with the Windows function.
    value.assign(fallback.substr(0, fallback.find_last_not_of(' ') + 1));
  }
  if (size == 0) return {};
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

int32_t ProfileFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
  std::string value;
  if ((path_.empty() && !inMemory_) || !FindIniValue(Text(), section, key, value) || value.empty()) return fallback;
  return ProfileInteger(value);
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (inMemory_) {
    text_ = SetIniValue(text_, section, key, value);
    return true;
  }
  if (!TakesWrites()) {
    if (!readFailure_.empty() && !told_) {
      ShowUserMessage("dxfelem", path_ + " cannot be read (" + readFailure_ +
                                     "): it is left as it was, and no setting is written to it");
      told_ = true;
    }
    return false;
  }
  text_ = SetIniValue(text_, section, key, value);
  writes_.push_back({std::string(section), std::string(key), std::string(value)});
  changed_ = true;
  return true;
}

namespace {

bool ReplaceWith(const std::string& path, const std::string& text, std::string& failure) {
  FileReplacement replacement;
  errno = 0;
  if (replacement.Begin(path) && replacement.Write(text.data(), text.size()) && replacement.Commit()) return true;
  failure = errno != 0 ? std::strerror(errno) : "it may not be replaced";
  return false;
}

}  // namespace

bool ProfileFile::Save() {
  if (!changed_) return true;
  changed_ = false;
  std::string failure;
  const std::string actual = FindFileIgnoringCase(path_, failure);
  // The file is read again under the lock and given only this handle's
  // writes: a section another conversion wrote since our read stays.
  LockedFile lock;
  std::string text;
  if (failure.empty() && lock.Acquire(FinalTarget(actual), lockWaitMilliseconds_, failure) &&
      lock.Read(text, kLargestProfile, failure)) {
    for (const auto& [section, key, value] : writes_) text = SetIniValue(text, section, key, value);
    // A file with other names is rewritten in place, so that they all see
    // the new settings; otherwise a complete new file takes its place.
    const bool saved = lock.HasOtherLinks() ? lock.Overwrite(text, failure) : ReplaceWith(actual, text, failure);
    if (saved) {
      lock.MarkWritten();
      writes_.clear();
      text_ = std::move(text);
      stamp_ = StampOf(actual);
      return true;
    }
  }
  writes_.clear();
  ShowUserMessage("dxfelem", path_ + " cannot be written (" + failure + "): it is left as it was");
  // What is in memory is not what is in the file: read it again next time.
  stamp_.clear();
  return false;
}

bool ProfileFile::SharesFileWith(const ProfileFile& other) const {
  std::string failure;
  const std::string mine = FinalTarget(FindFileIgnoringCase(path_, failure));
  const std::string theirs = FinalTarget(FindFileIgnoringCase(other.path_, failure));
  struct stat a;
  struct stat b;
  if (stat(mine.c_str(), &a) == 0 && stat(theirs.c_str(), &b) == 0) return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
  return mine == theirs;
}

}  // namespace dxfelem
