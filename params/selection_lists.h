// Which layers and blocks become elements: the name lists, the per-layer
// tables and the two tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "geometry/element_sink.h"
#include "params/parameter_record.h"

namespace dxfelem {

inline constexpr std::size_t kNameListSize = 100;
inline constexpr std::size_t kLayerTableSize = 40;

// An entry of the LavLayer and McrLayer tables; `spare` is never filled.
struct LayerTableEntry {
  std::string layer;
  std::string code;
  std::string spare;
};
using LayerTable = std::array<LayerTableEntry, kLayerTableSize>;

// A list of names filled from the front; the first empty name ends it.
using NameList = std::array<std::string, kNameListSize>;

// The lists are the conversion's element selection: the creation
// operations ask them about every layer and block.
struct SelectionLists final : ElementSelection {
  int32_t YesLogic = 0;  // 1: the lists name what to take; else what to leave out
  NameList layers;
  NameList blocks;
  LayerTable LavLayer;
  LayerTable McrLayer;

  void ClearNameLists();

  bool TakesLayer(std::string_view layer) const override;
  bool TakesBlock(std::string_view block) const override;
};

// The layer test. "ZP" and then "DN" cut a layer name before they occur, and
// list entries match as prefixes of what is left.
bool IsLayerSelected(const SelectionLists& selection, std::string_view layer);
// The block test: whole names, byte for byte.
bool IsBlockSelected(const SelectionLists& selection, std::string_view block);

// A coded layer: selected, not a face name, and named in the McrLayer table
// with a code from 1050 to 1052.
bool IsCodedLayer(const SelectionLists& selection, const ParameterRecord& parameters, std::string_view layer);

}  // namespace dxfelem
