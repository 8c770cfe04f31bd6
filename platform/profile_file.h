// A private-profile (INI) file, read and written with the rules of the
// Windows private-profile functions: what the hosts' own programs see in the
// file is what the library sees.
//
// Writes change the text held in memory; Save() puts every write of a call
// into the file at once: under a lock, into the file as it is then, so that
// what another program wrote meanwhile (another conversion's section, a
// key the user added) is kept. A file that exists but cannot be read (permissions,
// too many open files, a share that went away) takes no writes at all: a
// file rewritten from a read that failed would lose everything it held.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dxfelem {

// How long Save() waits for another program's lock on the file: long enough
// for any other conversion's write-back (which holds it for one small read
// and write), short enough that a lock left by a hung program is told
// within seconds.
inline constexpr int kProfileLockWaitMilliseconds = 10000;

// The largest file read as a parameter file; a larger one is not one.
inline constexpr long long kLargestProfileBytes = 16 * 1024 * 1024;

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);
  // Settings given in memory, as the text of a parameter file: read by the
  // same rules, written to nothing (reads see the writes; Save() keeps them
  // in memory). `origin`, when given, is the file the text was read from:
  // its folder is where ROZOZ.INI is looked for.
  static ProfileFile InMemory(std::string text, std::string origin = {});

  const std::string& path() const { return path_; }
  // False for a handle of no file: every read gives its default.
  bool HoldsSettings() const { return !path_.empty() || inMemory_; }

  // The value of the key, or `fallback` when the file, the section or the
  // key is missing. At most size - 1 characters are returned, as from a
  // buffer of `size` bytes.
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                        std::size_t size = 260) const;
  // The leading decimal integer of the value (optional sign; 0 without
  // digits; modulo 2^32), or `fallback` when the key is missing or its
  // value empty.
  int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;
  // Sets the key, creating the section or the key as needed and keeping
  // every other line as it was; the reads that follow see the new value.
  // False when the file takes no writes: no name, read-only, not a regular
  // file, or its text could not be read (the user is told once).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Puts the writes into the file (creating it if needed) in one step: the
  // file is locked, read again, and given this handle's writes. True when
  // there was nothing to write or all of it was written; a file that cannot
  // be written (or stays locked) is left exactly as it was, and the user
  // is told. A file with other names (hard links) is rewritten in place,
  // so that every name sees the new settings.
  bool Save();
  void SetLockWait(int milliseconds) { lockWaitMilliseconds_ = milliseconds; }
  // True when both name the same file, so that one sees the other's writes
  // before they are saved.
  bool SharesFileWith(const ProfileFile& other) const;

 private:
  // The file's text; reloaded when the file changed since it was read, as
  // long as it holds no writes of ours.
  const std::string& Text() const;
  bool TakesWrites() const;

  std::string path_;
  mutable std::string text_;
  mutable std::string stamp_;        // identity of the file version in text_
  mutable std::string readFailure_;  // why the file could not be read; sticky
  bool changed_ = false;             // text_ holds writes not yet saved
  std::vector<std::array<std::string, 3>> writes_;  // section, key, value of each write not yet saved
  int lockWaitMilliseconds_ = kProfileLockWaitMilliseconds;
  bool inMemory_ = false;
  bool told_ = false;                // the user has heard why writes were refused
};

}  // namespace dxfelem
