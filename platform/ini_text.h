// The text of an INI file read and changed by the rules of the Windows
// private-profile functions. Pure functions on text, the same on every
// system; the file access around them is in profile_file.
#pragma once

#include <string>
#include <string_view>

namespace dxfelem {

// Looks up `key` in the first section named `section`. Section and key names
// compare without regard to (ASCII) case, with blanks around them ignored;
// the first matching key wins. The value is what follows the first "=",
// without the blanks around it and without one pair of matching quotes ('
// or "). A key line without "=" has no value: it reads as missing, as
// with the Windows functions. Comment lines start with ";". Returns false
// when the section or the key (with a value) is not there.
bool FindIniValue(std::string_view text, std::string_view section, std::string_view key, std::string& value);

// True when the text has a section of that name (compared as above).
bool HasIniSection(std::string_view text, std::string_view section);

// The text with `key` of `section` set to `value` (without its leading
// blanks), changing nothing else:
// an existing key line is rewritten in place (keeping its key as spelled),
// a new key goes after the last key line of the section, a new section goes
// at the end. New lines use the line end the text already uses (CR LF for
// a new file).
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace dxfelem
