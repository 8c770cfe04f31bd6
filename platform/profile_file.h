// A private-profile (INI) file, read and written with the rules of the
// Windows private-profile functions: what the hosts' own programs see in the
// file is what the library sees.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dxfelem {

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);
  virtual ~ProfileFile() = default;

  const std::string& path() const { return path_; }

  // The value of the key, or `fallback` when the file, the section or the
  // key is missing. At most size - 1 characters are returned, as from a
  // buffer of `size` bytes.
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                        std::size_t size = 260) const;
  // The leading decimal integer of the value (optional sign; 0 without
  // digits; modulo 2^32), or `fallback` when the key is missing or its
  // value empty.
  int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;
  // Sets the key, creating the file, the section or the key as needed and
  // keeping every other line as it was. The file is replaced in one step; a
  // file that cannot be written is left exactly as it was (false).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

 private:
  // The file's text; reloaded when the file changed since it was read.
  const std::string& Text() const;

  std::string path_;
  mutable std::string text_;
  mutable std::string stamp_;  // identity of the file version in text_
};

}  // namespace dxfelem
