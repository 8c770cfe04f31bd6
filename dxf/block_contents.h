// The block definitions of the BLOCKS section, kept for the INSERTs that
// draw them: each block's name, base point and the group pairs of its
// entities, read once however often the block is drawn. Bounded: beyond
// the limits nothing more is kept, and drawing such a drawing's blocks is
// refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "geometry/point3.h"

namespace dxfelem {

struct GroupPair {
  int32_t code = 0;
  std::string_view value;
};

struct BlockContent {
  std::string name;
  Point3 base;
  std::vector<GroupPair> pairs;  // from the first entity's "0" to before "ENDBLK"
};

class BlockContents {
 public:
  static constexpr std::size_t kMostDefinitions = 100000;
  static constexpr std::size_t kMostPairs = 50000000;

  // The BLOCKS section as it is read, pair by pair (the value trimmed).
  void Pair(int32_t code, std::string_view value);
  // The section's end, or an ENDBLK.
  void Close();

  // The last definition of the name (case as written), or null.
  const BlockContent* Find(std::string_view name) const;
  // True when the drawing holds more than is kept.
  bool Overflowed() const { return overflowed_; }

 private:
  std::string_view Keep(std::string_view value);

  std::vector<BlockContent> definitions_;
  std::unordered_map<std::string, std::size_t> byName_;
  std::vector<std::string> chunks_;  // the kept values, in chunks that never move
  std::size_t pairs_ = 0;
  bool inBlock_ = false;     // between BLOCK and ENDBLK
  bool inEntities_ = false;  // past the BLOCK's own groups
  bool overflowed_ = false;
};

}  // namespace dxfelem
