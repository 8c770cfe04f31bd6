#include "platform/ini_text.h"

#include <algorithm>
#include <cstddef>

namespace dxfelem {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// One line of the text, without its line end, and where it starts and ends.
struct Line {
  std::string_view text;
  std::size_t begin;  // offset of the first character
  std::size_t end;    // offset after the line end
};

class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : text_(text) {
    // A UTF-8 byte order mark belongs to no line.
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") position_ = 3;
  }
  bool Next(Line& line) {
    if (position_ >= text_.size()) return false;
    std::size_t feed = text_.find('\n', position_);
    std::size_t stop = feed == std::string_view::npos ? text_.size() : feed;
    line.begin = position_;
    line.end = feed == std::string_view::npos ? text_.size() : feed + 1;
    line.text = text_.substr(position_, stop - position_);
    if (!line.text.empty() && line.text.back() == '\r') line.text.remove_suffix(1);
    position_ = line.end;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// A section header "[name]": true with the name between the brackets.
bool SectionName(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return false;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

// A key line: false for blank and comment lines. A line without "=" is a
// key without a value: reading it gives the default, writing it gives it one.
bool KeyOf(std::string_view line, std::string_view& key) {
  line = Trim(line);
  if (line.empty() || line.front() == ';') return false;
  key = Trim(line.substr(0, line.find('=')));
  return true;
}

std::string_view ValueOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  std::string_view value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

bool FindIniValue(std::string_view text, std::string_view section, std::string_view key, std::string& value) {
  section = Trim(section);
  key = Trim(key);
  LineWalker lines(text);
  Line line;
  bool inSection = false;
  bool sectionSeen = false;
  while (lines.Next(line)) {
    std::string_view name;
    if (SectionName(line.text, name)) {
      // Only the first section of a name counts.
      if (sectionSeen) return false;
      inSection = SameName(name, section);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection || !KeyOf(line.text, name) || !SameName(name, key)) continue;
    if (line.text.find('=') == std::string_view::npos) return false;
    value.assign(ValueOf(line.text));
    return true;
  }
  return false;
}

bool HasIniSection(std::string_view text, std::string_view section) {
  section = Trim(section);
  LineWalker lines(text);
  Line line;
  while (lines.Next(line)) {
    std::string_view name;
    if (SectionName(line.text, name) && SameName(name, section)) return true;
  }
  return false;
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  // The written value loses its leading blanks, as with the Windows
  // function: " " is written as an empty value.
  value.remove_prefix(std::min(value.size(), value.find_first_not_of(" \t\r\n\v\f")));
  const bool crlf = text.find('\n') == std::string_view::npos || text.find("\r\n") != std::string_view::npos;
  const std::string_view lineEnd = crlf ? "\r\n" : "\n";

  LineWalker lines(text);
  Line line;
  bool inSection = false;
  bool sectionSeen = false;
  std::size_t insertAt = std::string_view::npos;  // after the section's last key line
  while (lines.Next(line)) {
    std::string_view name;
    if (SectionName(line.text, name)) {
      if (inSection) break;
      if (!sectionSeen && SameName(name, section)) {
        inSection = sectionSeen = true;
        insertAt = line.end;
      }
      continue;
    }
    if (!inSection || !KeyOf(line.text, name)) continue;
    if (SameName(name, key)) {
      // Rewrite the line in place, keeping its own spelling of the key.
      std::string result(text.substr(0, line.begin));
      result.append(name).append("=").append(value);
      result.append(text.substr(line.begin + line.text.size()));
      return result;
    }
    insertAt = line.end;
  }

  std::string result(text);
  std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(lineEnd);
  if (sectionSeen) {
    // The section's last line may lack a line end when it is the file's last.
    if (insertAt > 0 && insertAt == text.size() && text.back() != '\n') keyLine.insert(0, lineEnd);
    result.insert(insertAt, keyLine);
    return result;
  }
  if (!result.empty() && result.back() != '\n') result.append(lineEnd);
  result.append("[").append(section).append("]").append(lineEnd).append(keyLine);
  return result;
}

}  // namespace dxfelem
