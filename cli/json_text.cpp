#include "cli/json_text.h"

#include <cstdio>

namespace dxfelem::cli {

std::string JsonText(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') json += std::string("\\") + c;
    else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else if (byte >= 0x80) {
      json += "\\u00" + std::string(1, "0123456789abcdef"[byte >> 4]) + "0123456789abcdef"[byte & 15];
    } else {
      json += c;
    }
  }
  return json + "\"";
}

}  // namespace dxfelem::cli
