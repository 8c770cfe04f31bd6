#include "dxf/dxf_line_reader.h"

#include <cstring>

namespace dxfelem {

// The thread stops before the file and the buffer it reads go.
DxfLineReader::~DxfLineReader() { ahead_.reset(); }

void DxfLineReader::ReadAhead() {
  if (ahead_ || atEnd_) return;
  ahead_ = std::make_unique<LineReadAhead>([this](std::string_view& line) { return ReadFromFile(line); });
  if (!ahead_->Started()) ahead_.reset();
}

bool DxfLineReader::ReadLineHere(std::string_view& line) {
  if (!atEnd_ && ahead_ == nullptr && ReadFromFile(line)) {
    ++lineNumber_;
    return true;
  }
  atEnd_ = true;
  line = {};
  return false;
}

bool DxfLineReader::ReadFromFile(std::string_view& line) {
  // Most lines lie whole in the file's buffer and are taken from there.
  if (file_.ReadLineInPlace(line, sizeof line_)) {
    if (file_.LineHasNul()) line = line.substr(0, line.find('\0'));
    return true;
  }
  const std::size_t stored = file_.ReadLine(line_, sizeof line_);
  if (stored == 0) return false;
  std::size_t length = file_.LineHasNul() ? strnlen(line_, stored) : stored;
  if (length > 0 && line_[length - 1] == '\n') --length;
  line = std::string_view(line_, length);
  return true;
}

}  // namespace dxfelem
