#include "params/circle_form.h"

#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

// The first entry, up to one with an empty name or code, whose name occurs
// in the layer name; null when none does.
const LayerTableEntry* FindEntry(const LayerTable& table, std::string_view layer) {
  for (const LayerTableEntry& entry : table) {
    if (entry.layer.empty() || entry.code.empty()) break;
    if (layer.find(entry.layer) != std::string_view::npos) return &entry;
  }
  return nullptr;
}

}  // namespace

CircleForm CircleFormFor(const ParameterRecord& parameters, const SelectionLists& selection, std::string_view layer,
                         double radius) {
  if (!layer.empty() && !parameters.IsFaceName(layer)) {
    if (const LayerTableEntry* machining = FindEntry(selection.LavLayer, layer)) {
      const int32_t code = ParseInt(machining->code);
      return code >= 88 && code <= 93 ? CircleForm::kArc : CircleForm::kHole;
    }
    if (FindEntry(selection.McrLayer, layer) != nullptr) return CircleForm::kHole;
  }
  return static_cast<double>(parameters.RadiusMin) < radius ? CircleForm::kArc : CircleForm::kHole;
}

}  // namespace dxfelem
