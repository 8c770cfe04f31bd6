#include "text/font_choice.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace dxfelem {
namespace {

// The font-flags words of a style entry that mean something.
constexpr uint32_t kItalic = 0x01000022;
constexpr uint32_t kBold = 0x02000022;
constexpr uint32_t kBoldItalic = 0x03000022;

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

void ApplyStyle(const TextStyleTable& styles, const std::string& style, FontRequest& request) {
  const std::string wanted = Upper(Trimmed(style));
  if (wanted.empty()) return;
  for (const TextStyle& entry : styles) {
    if (entry.name.empty()) break;  // the table ends at its first empty entry
    if (Upper(entry.name) != wanted) continue;
    const std::string font = Trimmed(entry.fontName);
    if (!font.empty()) request.faceName = font;
    // Tenths of a degree, the other way round; out of range angles hold at the limit.
    const double tenths = -10.0 * std::trunc(entry.obliqueAngle);
    const int32_t angle = std::isfinite(tenths) && std::fabs(tenths) < 2e9 ? static_cast<int32_t>(tenths) : 0;
    request.escapement = angle;
    request.orientation = angle;
    if (entry.fontFlags == kItalic || entry.fontFlags == kBoldItalic) request.italic = true;
    if (entry.fontFlags == kBold || entry.fontFlags == kBoldItalic) request.weight = 700;
    return;
  }
}

// "\fArial|b1|i0|c0|p34;": the face and its options.
void ApplyFontCode(const std::string& text, FontRequest& request) {
  const std::size_t code = text.find("\\f");
  if (code == std::string::npos) return;
  // The code ends at the first ";" after it (the text's end without one).
  const std::size_t end = text.find(';', code + 2);
  const std::string font = text.substr(code + 2, end == std::string::npos ? std::string::npos : end - code - 2);
  const std::size_t bar = font.find('|');
  request.faceName = font.substr(0, bar);
  for (std::size_t at = bar; at != std::string::npos; at = font.find('|', at + 1)) {
    if (font.compare(at, 3, "|b1") == 0) request.weight = 700;
    if (font.compare(at, 3, "|i1") == 0) request.italic = true;
  }
}

}  // namespace

FontRequest ChooseFont(const TextStyleTable& styles, const std::string& style, const std::string& kind,
                       std::string& text) {
  FontRequest request;
  ApplyStyle(styles, style, request);
  if (kind == "MTEXT") {
    ApplyFontCode(text, request);
    const std::size_t last = text.rfind(';');
    if (last != std::string::npos) text.erase(0, last + 1);
    if (!text.empty() && text.back() == '}') text.pop_back();
  }
  // A shape font's file name names a face of the same name.
  const std::size_t shx = Upper(request.faceName).find(".SHX");
  if (shx != std::string::npos) request.faceName.resize(shx);
  return request;
}

void ApplyTextCodes(std::string& text, FontRequest& request) {
  const std::size_t underline = text.find("\\L");
  if (underline != std::string::npos) {
    request.underline = true;
    text.erase(0, underline + 2);
  }
  const std::size_t unicode = text.find("\\U");
  if (unicode == std::string::npos) return;
  std::size_t at = unicode + 2;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  // Read as the hosts' C library reads "0x..." into a 32-bit long: a number
  // too large holds at the largest value.
  uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
    else break;
    value = value * 16u + digit;
    if (value > 0x7FFFFFFFu) value = 0x7FFFFFFFu;
  }
  if (value != 0) text.assign(1, static_cast<char>(value & 0xFFu));
}

std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at = text.find("\\P"); at != std::string::npos; at = text.find("\\P", start)) {
    lines.push_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace dxfelem
