// The group pairs of one entity, and the groups every entity reader shares.
#pragma once

#include <string>

#include "dxf/dxf_line_reader.h"
#include "dxf/keyword_table.h"
#include "dxf/value_readers.h"
#include "geometry/point3.h"

namespace dxfelem {

// Walks an entity's groups from its first group code to the closing "0"
// line, in strict pairs: handle(code) reads the value of a group it uses
// and answers true; the value of any other group is skipped.
template <typename Handler>
void ForEachGroup(DxfLineReader& reader, Token code, Handler&& handle) {
  while (code != kGroup0 && !reader.AtEnd()) {
    if (!handle(code)) ReadRawLine(reader, nullptr);
    code = ReadToken(reader);
  }
}

// Layer, extrusion direction and thickness.
struct CommonGroups {
  std::string layer;
  Point3 extrusion{0.0, 0.0, 1.0};
  double thickness = 0.0;

  // Reads the value of group `code` when it is one of these; false otherwise.
  bool Take(Token code, DxfLineReader& reader) {
    switch (code) {
      case kGroup8: ReadRawLine(reader, &layer); return true;
      case kGroup39: thickness = ReadRounded4(reader); return true;
      case kGroup210: extrusion.x = ReadRounded4(reader); return true;
      case kGroup220: extrusion.y = ReadRounded4(reader); return true;
      case kGroup230: extrusion.z = ReadRounded4(reader); return true;
      default: return false;
    }
  }
};

// The entity's placing point: groups 10 and 20, with 30 or the elevation 38
// for z (whichever comes last). False for any other group.
inline bool TakePlacePoint(Token code, DxfLineReader& reader, Point3& point) {
  switch (code) {
    case kGroup10: point.x = ReadRounded4(reader); return true;
    case kGroup20: point.y = ReadRounded4(reader); return true;
    case kGroup30:
    case kGroup38: point.z = ReadRounded4(reader); return true;
    default: return false;
  }
}

}  // namespace dxfelem
