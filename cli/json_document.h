// The tool's JSON: objects keep the order their fields are given in, and
// text from a drawing (names in its code page, not always UTF-8) is made
// valid UTF-8 before it goes in.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace dxfelem::cli {

using Json = nlohmann::ordered_json;

// The bytes as they are when they are UTF-8; otherwise every byte above 127
// is taken as the character of that code (Latin-1), so nothing is lost and
// the JSON stays valid.
std::string Utf8Text(const std::string& bytes);

// The document as printed on standard output: indented, one final newline.
std::string JsonDocument(const Json& json);

}  // namespace dxfelem::cli
