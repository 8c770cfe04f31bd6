// The block definition tables filled from the McrBlock, SubBlock and
// OprBlock keys. Of their fields only the block names are ever consulted;
// the rest is kept as the parameter file gives it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dxfelem {

inline constexpr std::size_t kBlockTableSize = 40;
inline constexpr std::size_t kBlockHeadFields = 3;
inline constexpr std::size_t kBlockTriples = 26;
inline constexpr std::size_t kBlockClosingFields = 3;

struct BlockDefinition {
  std::array<std::string, kBlockHeadFields> head;  // head[0] is the block name
  std::array<std::array<std::string, 3>, kBlockTriples> triples;
  std::array<std::string, kBlockClosingFields> closing;
};

class BlockDefinitionTable {
 public:
  std::array<BlockDefinition, kBlockTableSize>& entries() { return entries_; }
  const std::array<BlockDefinition, kBlockTableSize>& entries() const { return entries_; }
  // True when an entry, up to the first without a name, carries this name.
  bool Contains(std::string_view blockName) const;

 private:
  std::array<BlockDefinition, kBlockTableSize> entries_;
};

// How much of a definition a table keeps: the macro and operation tables keep
// everything, the sub-block table only two fields of the head and of each
// triple and no closing part.
struct BlockFieldLimits {
  std::size_t headFields;
  std::size_t tripleFields;
  bool closingPart;
};
inline constexpr BlockFieldLimits kFullBlockDefinition{3, 3, true};
inline constexpr BlockFieldLimits kSubBlockDefinition{2, 2, false};

// Fills one entry from a key's value "head;triple;...;(closing)". Returns
// false, changing nothing, when the value has no ";".
bool ParseBlockDefinition(std::string_view value, const BlockFieldLimits& limits, BlockDefinition& entry);

}  // namespace dxfelem
