#include "dxf/dxf_pair_reader.h"

#include <charconv>

namespace dxfelem {

std::string_view TrimmedValue(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool DxfPairReader::ReadWholeLine(std::string& line) {
  line.clear();
  char chunk[4096];
  bool any = false;
  while (const std::size_t stored = file_.ReadLine(chunk, sizeof chunk)) {
    any = true;
    std::size_t length = stored;
    const bool ended = chunk[length - 1] == '\n';
    if (ended) --length;
    if (line.size() < kLongestLine) line.append(chunk, std::min(length, kLongestLine - line.size()));
    if (ended) break;
  }
  if (!any) return false;
  ++lineNumber_;
  // A carriage return the text reading kept (one at the very end).
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool DxfPairReader::Next(int& code, std::string_view& value) {
  if (!problem_.empty() || !ReadWholeLine(codeLine_)) return false;
  const std::string_view text = TrimmedValue(codeLine_);
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), code);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) {
    problem_ =
        "line " + std::to_string(lineNumber_) + ": \"" + std::string(text.substr(0, 40)) + "\" is not a group code";
    return false;
  }
  if (!ReadWholeLine(valueLine_)) {
    problem_ = "line " + std::to_string(lineNumber_) + ": a group code without its value, at the end of the file";
    return false;
  }
  value = valueLine_;
  return true;
}

}  // namespace dxfelem
