// What the tool checks before it lets the library rewrite an element file:
// the library reads any text as element lines (an unknown mnemonic becomes
// a hole, a long line two lines, an unfinished element is dropped) and
// writes the result back in place, so a file that is not an element file
// would be lost.
#pragma once

#include <string>

namespace dxfelem {

struct ElementFileCheck {
  bool readable = false;
  std::string firstProblem;  // "line N: ...", empty when every line is an element line
  long elements = 0;
  long elementsOfLayer = 0;  // with the layer the rewriting selects
};

// Reads the whole file. A line must be at most 255 bytes with its line end,
// have eight non-empty fields, a known mnemonic, an integer entity number
// and four decimal numbers; the last line must end an element.
ElementFileCheck CheckElementFile(const std::string& path, const std::string& layer);

}  // namespace dxfelem
