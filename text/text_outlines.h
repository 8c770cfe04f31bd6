// TEXT and MTEXT entities drawn as glyph outlines that become path elements.
#pragma once

#include <cstdint>
#include <string>

#include "geometry/element_sink.h"
#include "geometry/extrusion_frame.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"
#include "text/glyph_cache.h"
#include "text/text_style_table.h"

namespace dxfelem {

// What the outlines of a text need of the conversion: its settings and
// selection, the drawing's text styles, where the elements go and their
// numbers.
struct OutlineTarget {
  const ParameterRecord& parameters;
  const SelectionLists& selection;
  const TextStyleTable& styles;
  ElementSink& sink;
  int32_t& elementCounter;
  GlyphCache& glyphs;  // the fonts of the whole conversion
};

// What the TEXT and MTEXT reader hands on for one entity.
struct TextEntity {
  std::string kind;  // "TEXT" or "MTEXT"
  std::string text;  // the final chunk of the text value
  std::string style;
  Point3 insertion;
  Point3 direction;  // MTEXT: the direction of the text's x axis
  double height = 0.0;
  double rotation = 0.0;  // degrees; TEXT only
  std::string layer;      // with the face name
  int face = 0;
  int faceLayer = 0;  // the layer as read names a face
  Frame frame;
};

// Adds the outlines of the text's glyphs to the sink: every closed contour
// of every glyph one path element of segments and three-point arcs, the
// counter advanced once per element. A character without an outline only
// moves the pen. A text whose font cannot be had yields nothing: the answer
// is then the name of the face asked for, otherwise empty.
std::string ConvertTextToOutlines(const OutlineTarget& target, const TextEntity& text);

}  // namespace dxfelem
