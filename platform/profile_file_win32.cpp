// The private-profile functions of Windows itself.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/profile_file.h"

namespace dxfelem {

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

std::string ProfileFile::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t size) const {
  if (size == 0) return {};
  const std::string sectionName(section);
  const std::string keyName(key);
  const std::string defaultValue(fallback);
  auto buffer = std::make_unique<char[]>(size);
  const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), defaultValue.c_str(),
                                                buffer.get(), static_cast<DWORD>(size), path_.c_str());
  return std::string(buffer.get(), length);
}

int32_t ProfileFile::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
  const std::string sectionName(section);
  const std::string keyName(key);
  return static_cast<int32_t>(GetPrivateProfileIntA(sectionName.c_str(), keyName.c_str(), fallback, path_.c_str()));
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (path_.empty()) return false;
  const std::string sectionName(section);
  const std::string keyName(key);
  const std::string text(value);
  return WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), text.c_str(), path_.c_str()) != 0;
}

// Windows' own functions write at once: there is nothing left to save, and
// every handle on a file sees every write.
bool ProfileFile::Save() { return true; }

bool ProfileFile::SharesFileWith(const ProfileFile&) const { return false; }

}  // namespace dxfelem
