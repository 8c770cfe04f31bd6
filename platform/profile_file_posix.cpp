// The private-profile functions for systems without them.
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "platform/file_replacement.h"
#include "platform/ini_text.h"
#include "platform/profile_file.h"

namespace dxfelem {
namespace {

// INI files are small; a larger file is not one, and is taken as missing
// rather than read into memory whole.
constexpr off_t kLargestProfile = 16 * 1024 * 1024;

// The hosts' file names are case-insensitive: "ROZOZ.INI" must find
// "rozoz.ini". The exact name is used when it exists or nothing else fits.
std::string FindFileIgnoringCase(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) == 0) return path;
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) return path;
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

// Size and modification time: a different stamp means a different file.
std::string StampOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return "missing";
  return std::to_string(status.st_size) + ":" + std::to_string(status.st_mtim.tv_sec) + "." +
         std::to_string(status.st_mtim.tv_nsec) + ":" + std::to_string(status.st_ino);
}

std::string ReadWholeFile(const std::string& path) {
  std::string text;
  struct stat status;
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kLargestProfile) return text;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return text;
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) {
    text.append(chunk, n);
    if (text.size() > static_cast<std::size_t>(kLargestProfile)) {
      text.clear();
      break;
    }
  }
  std::fclose(file);
  return text;
}

// The leading decimal integer, with an optional sign, taken modulo 2^32 as
// the Windows function does ("4294967297" is 1, "-1" stays -1).
int32_t ProfileInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

const std::string& ProfileFile::Text() const {
  const std::string actual = FindFileIgnoringCase(path_);
  std::string stamp = StampOf(actual);
  if (stamp != stamp_) {
    text_ = ReadWholeFile(actual);
    stamp_ = std::move(stamp);
  }
  return text_;
}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t size) const {
  std::string value;
  if (path_.empty() || !FindIniValue(Text(), section, key, value)) {
    // The default loses its trailing blanks, as with the Windows function.
    value.assign(fallback.substr(0, fallback.find_last_not_of(' ') + 1));
  }
  if (size == 0) return {};
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

int32_t ProfileFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
  std::string value;
  if (path_.empty() || !FindIniValue(Text(), section, key, value) || value.empty()) return fallback;
  return ProfileInteger(value);
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (path_.empty()) return false;
  const std::string actual = FindFileIgnoringCase(path_);
  struct stat status;
  const bool exists = stat(actual.c_str(), &status) == 0;
  if (exists && (!S_ISREG(status.st_mode) || status.st_size > kLargestProfile)) return false;
  if (!IsReplaceableFile(actual)) return false;
  const std::string text = SetIniValue(exists ? ReadWholeFile(actual) : std::string(), section, key, value);

  std::string temporary;
  std::FILE* file = CreateFileBeside(actual, temporary);
  if (file == nullptr) return false;
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  written = std::fclose(file) == 0 && written;
  if (written && exists) written = chmod(temporary.c_str(), status.st_mode & 07777) == 0;
  if (!written || !ReplaceFileWith(temporary, actual)) {
    RemoveFileQuietly(temporary);
    return false;
  }
  text_ = text;
  stamp_ = StampOf(actual);
  return true;
}

}  // namespace dxfelem
