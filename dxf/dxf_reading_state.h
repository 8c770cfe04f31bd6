// What the DXF reader remembers while it reads one drawing.
#pragma once

#include <string>

namespace dxfelem {

struct DxfReadingState {
  // $INSUNITS of the header; 0 until the header gives it.
  double insUnits = 0.0;
  // Block name and layer of the latest INSERT, for the ATTRIB entities after it.
  std::string lastInsertBlock;
  std::string lastInsertLayer;

  void Reset() { *this = DxfReadingState{}; }
};

}  // namespace dxfelem
