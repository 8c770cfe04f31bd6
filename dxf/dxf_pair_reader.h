// A drawing read in strict pairs of group code and value, as the DXF
// reference lays them out. This is the reading of a person's questions
// about a drawing (what it holds, where it breaks); the conversion keeps
// the hosts' line-by-line reading, which forgives what this one names.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_input_file.h"

namespace dxfelem {

class DxfPairReader {
 public:
  explicit DxfPairReader(TextInputFile& file) : file_(file) {}
  DxfPairReader(const DxfPairReader&) = delete;
  DxfPairReader& operator=(const DxfPairReader&) = delete;

  // The next pair: the group code, and the value without its line end.
  // False at the end of the file, or at a pair that is broken, after which
  // Problem() says why and where.
  bool Next(int& code, std::string_view& value);
  // "" while nothing is broken; otherwise "line N: ..." for the line that is.
  const std::string& Problem() const { return problem_; }

  // A line longer than this is kept up to it, the rest passed over: no
  // line of a hostile file takes more memory than this.
  static constexpr std::size_t kLongestLine = 1 << 20;

 private:
  bool ReadWholeLine(std::string& line);

  TextInputFile& file_;
  std::string codeLine_;
  std::string valueLine_;
  std::string problem_;
  long long lineNumber_ = 0;
};

// Spaces and tabs at both ends cut off.
std::string_view TrimmedValue(std::string_view text);

}  // namespace dxfelem
