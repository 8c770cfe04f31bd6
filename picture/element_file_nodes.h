// An element file read by the tool, as its elements: each a run of nodes on
// one layer, as the writer laid them out.
#pragma once

#include <string>
#include <vector>

namespace dxfelem {

struct FileNode {
  std::string code;  // the mnemonic
  double x = 0.0;
  double y = 0.0;
  double value = 0.0;
  std::string tag;
};

struct FileElement {
  std::string layer;
  std::vector<FileNode> nodes;
};

// False when the file cannot be read. Lines that are not element lines are
// passed over; so are nodes with a number that is not finite or beyond
// 1e100 in size (no drawing reaches so far, and drawing it would overflow),
// counted in `leftOut`.
bool ReadElementFileNodes(const std::string& path, std::vector<FileElement>& elements, long& leftOut);

}  // namespace dxfelem
