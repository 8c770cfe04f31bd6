// What the DXF reader remembers while it reads one drawing.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dxf/block_contents.h"
#include "dxf/polyline_record.h"
#include "dxf/reading_tally.h"
#include "geometry/curve_budget.h"

namespace dxfelem {

struct DxfReadingState {
  // $INSUNITS of the header; 0 until the header gives it.
  double insUnits = 0.0;
  // Block name and layer of the latest INSERT, for the ATTRIB entities after it.
  std::string lastInsertBlock;
  std::string lastInsertLayer;
  // The heavy polyline between its POLYLINE and its SEQEND; null otherwise.
  std::unique_ptr<PolylineRecord> openPolyline;
  // What the drawing's splines may still cost; set from the drawing's size
  // when it is opened.
  CurveBudget splineBudget = CurveBudget::ForDrawing(0);
  // What was read, and what made nothing and why; the kind of the entity
  // being read ("LINE" or "3DLINE" for the one reader of both).
  ReadingTally tally;
  std::string_view entityKind;
  // The block definitions, kept only when INSERTs draw their blocks
  // (EsplodiBlocchi 1); null otherwise. How many bytes of groups the drawn
  // blocks may still carry.
  std::unique_ptr<BlockContents> blockContents;
  // Texts drawn whose height is below SpazioFont, the gap between their
  // letters, and the lowest of them.
  long textsBelowLetterGap = 0;
  double lowestSuchText = 0.0;
  std::size_t drawnBytesLeft = 0;
};

}  // namespace dxfelem
