// The DXF file as a sequence of lines: group code lines and value lines
// alternate, and every reader of the drawing takes them one at a time from
// here. A line is at most 255 characters; the rest of a longer line is read
// as the next line, exactly as the hosts' readers have always done.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "dxf/line_read_ahead.h"
#include "platform/text_input_file.h"

namespace dxfelem {

inline constexpr std::size_t kDxfLineCapacity = 256;  // 255 characters and the zero

class DxfLineReader {
 public:
  explicit DxfLineReader(TextInputFile& file) : file_(file) {}
  ~DxfLineReader();
  DxfLineReader(const DxfLineReader&) = delete;
  DxfLineReader& operator=(const DxfLineReader&) = delete;

  // The next line without its line feed; false at the end of the file. The
  // text stays valid until the next read. A NUL byte ends the line's text.
  bool ReadLine(std::string_view& line) {
    if (ahead_ == nullptr || atEnd_ || !ahead_->Next(line)) return ReadLineHere(line);
    ++lineNumber_;
    return true;
  }
  // True once a read found the end of the file.
  bool AtEnd() const { return atEnd_; }
  // How many reads have returned a line: the number of the line just read
  // for every line shorter than the limit.
  long long LineNumber() const { return lineNumber_; }
  // From here on the lines are split on a thread of their own, ahead of
  // the reads (the same lines; for a large file, where that pays).
  void ReadAhead();

 private:
  // ReadLine without a thread reading ahead, or at the end.
  bool ReadLineHere(std::string_view& line);
  // The next line from the file itself (on the read-ahead thread, when
  // there is one).
  bool ReadFromFile(std::string_view& line);

  TextInputFile& file_;
  std::unique_ptr<LineReadAhead> ahead_;
  char line_[kDxfLineCapacity];
  bool atEnd_ = false;
  long long lineNumber_ = 0;
};

}  // namespace dxfelem
