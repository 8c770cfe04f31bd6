// What the readers of a drawing's sections and entities may touch: the
// settings (the header's unit rule changes the length settings), the
// selection, the text styles, the reading state, where the elements go, the
// element counter and the fonts of the texts. Nothing of the call around them.
#pragma once

#include <cstdint>

#include "dxf/dxf_reading_state.h"
#include "geometry/element_sink.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"
#include "text/glyph_cache.h"
#include "text/text_style_table.h"

namespace dxfelem {

struct EntityContext {
  ParameterRecord& parameters;
  const SelectionLists& selection;
  TextStyleTable& textStyles;
  DxfReadingState& reading;
  ElementSink& sink;
  int32_t& elementCounter;  // starts at 0; the first element is number 1
  GlyphCache& glyphs;       // the fonts and outlines of the texts

  // The number of the next element: the counter is increased first.
  int32_t NextElementNumber() { return ++elementCounter; }
};

}  // namespace dxfelem
