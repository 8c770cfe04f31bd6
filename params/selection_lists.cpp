#include "params/selection_lists.h"

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

}  // namespace dxfelem
