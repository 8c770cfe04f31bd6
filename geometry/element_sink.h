// Where the creation operations put what they build: the drawing of a
// conversion, through the layer and block tests of its settings. The
// geometry floor knows no settings: the tests come from above, as an
// interface.
#pragma once

#include <string_view>

#include "geometry/drawing.h"

namespace dxfelem {

// Which layers and blocks become elements.
class ElementSelection {
 public:
  virtual bool TakesLayer(std::string_view layer) const = 0;
  virtual bool TakesBlock(std::string_view block) const = 0;

 protected:
  ~ElementSelection() = default;
};

struct ElementSink {
  Drawing* drawing = nullptr;                   // null: nothing is kept
  const ElementSelection* selection = nullptr;  // null: every layer and block is taken

  // The drawing, when the layer is taken; null otherwise.
  Drawing* For(std::string_view layer) const {
    if (drawing == nullptr || (selection != nullptr && !selection->TakesLayer(layer))) return nullptr;
    return drawing;
  }
  bool TakesBlock(std::string_view block) const { return selection == nullptr || selection->TakesBlock(block); }
};

}  // namespace dxfelem
