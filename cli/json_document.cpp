#include "cli/json_document.h"

namespace dxfelem::cli {

std::string Utf8Text(const std::string& bytes) {
  try {
    (void)Json(bytes).dump();
    return bytes;
  } catch (const Json::type_error&) {
    // Not UTF-8: a drawing's single-byte code page.
  }
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return text;
}

std::string JsonDocument(const Json& json) { return json.dump(2) + "\n"; }

}  // namespace dxfelem::cli
