#include "params/selection_lists.h"

#include "platform/c_number_text.h"

namespace dxfelem {

void SelectionLists::ClearNameLists() {
  for (std::string& name : layers) name.clear();
  for (std::string& name : blocks) name.clear();
}

bool IsLayerSelected(const SelectionLists& selection, std::string_view layer) {
  bool take = selection.YesLogic == 1;
  if (std::size_t cut = layer.find("ZP"); cut != std::string_view::npos) layer = layer.substr(0, cut);
  if (std::size_t cut = layer.find("DN"); cut != std::string_view::npos) layer = layer.substr(0, cut);
  if (!layer.empty()) {
    for (const std::string& entry : selection.layers) {
      if (entry.empty()) break;
      if (layer.starts_with(entry)) return take;
    }
  }
  return !take;
}

bool IsBlockSelected(const SelectionLists& selection, std::string_view block) {
  bool listed = false;
  if (!block.empty()) {
    for (const std::string& entry : selection.blocks) {
      if (entry.empty()) break;
      if (entry == block) {
        listed = true;
        break;
      }
    }
  }
  return selection.YesLogic == 1 ? listed : !listed;
}

bool SelectionLists::TakesLayer(std::string_view layer) const { return IsLayerSelected(*this, layer); }

bool SelectionLists::TakesBlock(std::string_view block) const { return IsBlockSelected(*this, block); }

bool IsCodedLayer(const SelectionLists& selection, const ParameterRecord& parameters, std::string_view layer) {
  if (!IsLayerSelected(selection, layer) || layer.empty() || parameters.IsFaceName(layer)) return false;
  for (const LayerTableEntry& entry : selection.McrLayer) {
    if (entry.code.empty() || entry.layer.empty()) break;
    if (layer.find(entry.layer) == std::string_view::npos) continue;
    const int32_t code = ParseInt(entry.code);
    if (code >= 1050 && code <= 1052) return true;
  }
  return false;
}

}  // namespace dxfelem
