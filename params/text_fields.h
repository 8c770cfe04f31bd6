// The small text operations of the parameter reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dxfelem {

// Removes leading and trailing spaces (spaces only).
std::string_view TrimBlanks(std::string_view text);
// Removes spaces, tabs and line ends at both ends.
std::string_view TrimWhiteSpace(std::string_view text);

// Replaces every occurrence of `from` by `to`, scanning left to right and
// going on after each replacement.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Turns empty fields between commas into "*": ",," becomes ",*," twice over,
// so that even runs of empty fields are filled.
std::string FillEmptyFields(std::string_view text);

// Line feeds end the text and tabs count as spaces; the text is cut at every
// separator, empty fields are dropped, and at most maxFields are returned.
std::vector<std::string> SplitFields(std::string_view text, char separator, std::size_t maxFields);

// A field that is present, not empty and does not start with "*" is a value.
inline bool IsGivenField(const std::vector<std::string>& fields, std::size_t index) {
  return index < fields.size() && !fields[index].empty() && fields[index][0] != '*';
}

}  // namespace dxfelem
