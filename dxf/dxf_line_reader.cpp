#include "dxf/dxf_line_reader.h"

#include <cstring>

namespace dxfelem {

bool DxfLineReader::ReadLine(std::string_view& line) {
  // Most lines lie whole in the file's buffer and are taken from there.
  if (!atEnd_ && file_.ReadLineInPlace(line, sizeof line_)) {
    ++lineNumber_;
    if (file_.LineHasNul()) line = line.substr(0, line.find('\0'));
    return true;
  }
  const std::size_t stored = atEnd_ ? 0 : file_.ReadLine(line_, sizeof line_);
  if (stored == 0) {
    atEnd_ = true;
    line = {};
    return false;
  }
  ++lineNumber_;
  std::size_t length = file_.LineHasNul() ? strnlen(line_, stored) : stored;
  if (length > 0 && line_[length - 1] == '\n') --length;
  line = std::string_view(line_, length);
  return true;
}

}  // namespace dxfelem
