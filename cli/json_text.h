// Text as a JSON string: quotes, backslashes and control characters
// escaped, bytes above 127 (names in a drawing's code page, not UTF-8) kept
// as the characters of those codes, so the JSON stays valid.
#pragma once

#include <string>

namespace dxfelem::cli {

std::string JsonText(const std::string& text);

}  // namespace dxfelem::cli
