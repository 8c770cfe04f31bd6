#include "params/text_fields.h"

namespace dxfelem {

std::string_view TrimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string_view TrimWhiteSpace(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  if (from.empty()) return std::string(text);
  std::size_t position = 0;
  while (true) {
    std::size_t found = text.find(from, position);
    if (found == std::string_view::npos) break;
    result.append(text.substr(position, found - position));
    result.append(to);
    position = found + from.size();
  }
  result.append(text.substr(position));
  return result;
}

std::string FillEmptyFields(std::string_view text) { return ReplaceAll(ReplaceAll(text, ",,", ",*,"), ",,", ",*,"); }

std::vector<std::string> SplitFields(std::string_view text, char separator, std::size_t maxFields) {
  std::vector<std::string> fields;
  std::size_t lineEnd = text.find('\n');
  if (lineEnd != std::string_view::npos) text = text.substr(0, lineEnd);
  std::string field;
  auto flush = [&] {
    if (!field.empty() && fields.size() < maxFields) fields.push_back(field);
    field.clear();
  };
  for (char c : text) {
    if (c == '\t') c = ' ';
    if (c == separator) {
      flush();
    } else {
      field.push_back(c);
    }
  }
  flush();
  return fields;
}

}  // namespace dxfelem
