// The object that carries one DXF call from start to end.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "conversion/status_info.h"
#include "dxf/dxf_reading_state.h"
#include "dxf/entity_context.h"
#include "geometry/drawing.h"
#include "geometry/element_sink.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"
#include "text/glyph_cache.h"
#include "text/text_style_table.h"

namespace dxfelem {

class ConversionJob {
 public:
  ConversionJob(std::string dxfFile, std::string elementFile);
  ConversionJob(const ConversionJob&) = delete;
  ConversionJob& operator=(const ConversionJob&) = delete;

  // Back to the state of a new job: status reset, built-in settings, empty
  // name lists.
  void ResetJob();
  // The number of the next element: the counter is increased first, so the
  // first element is number 1.
  int32_t NextElementNumber() { return ++elementCounter; }

  // Where the creation operations put elements: the drawing, through the
  // job's selection.
  ElementSink Sink() { return ElementSink{drawing.get(), &selection}; }
  // What the DXF readers may touch, with the elements going to `sink`.
  EntityContext ReadingContext(ElementSink& sink) {
    return EntityContext{parameters, selection, textStyles, reading, sink, elementCounter, glyphs};
  }

  SelectionLists selection;  // YesLogic, name lists, LavLayer and McrLayer
  ParameterRecord parameters;
  TextStyleTable textStyles;
  StatusInfo status;                 // the first failure of the call
  std::unique_ptr<Drawing> drawing;  // null once written
  std::string dxfFileName;
  // A trial: everything a conversion does but write the element file (the
  // elements are processed and dropped), to tell what it would make.
  bool trial = false;
  // Shown every element as it is finished (processed, before it is
  // written), when set: what a check of the drawing looks at.
  std::function<void(const Element&)> inspect;
  // Per layer, the elements and nodes written (made, on trial).
  std::map<std::string, std::pair<int64_t, int64_t>> writtenPerLayer;
  int32_t elementCounter = 0;
  DxfReadingState reading;
  GlyphCache glyphs;  // the fonts of the texts, opened once per call
};

}  // namespace dxfelem
