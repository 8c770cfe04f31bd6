// LINE and 3DLINE: one straight element in drawing coordinates.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"

namespace dxfelem {
namespace {

// With Altezza3D 1 a line stands on its face: it moves by its thickness
// along the first axis its extrusion matches, the negative ones downwards.
void ApplyThickness(const Point3& n, double thickness, Point3& start, Point3& end) {
  struct Axis {
    double Point3::*coordinate;
    double target;
  };
  constexpr Axis kAxes[] = {{&Point3::z, 1.0},  {&Point3::y, 1.0},  {&Point3::x, 1.0},
                            {&Point3::z, -1.0}, {&Point3::y, -1.0}, {&Point3::x, -1.0}};
  for (const Axis& axis : kAxes) {
    if (!NearValue(n.*axis.coordinate, axis.target)) continue;
    const double shift = axis.target * thickness;
    start.*axis.coordinate += shift;
    end.*axis.coordinate += shift;
    return;
  }
}

}  // namespace

bool ReadLineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 start;
  Point3 end;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader)) return true;
    switch (code) {
      case kGroup10: start.x = ReadRounded4(reader); return true;
      case kGroup20: start.y = ReadRounded4(reader); return true;
      case kGroup30: start.z = ReadRounded4(reader); return true;
      case kGroup11: end.x = ReadRounded4(reader); return true;
      case kGroup21: end.y = ReadRounded4(reader); return true;
      case kGroup31: end.z = ReadRounded4(reader); return true;
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  // A line is given in drawing coordinates: its frame is not used.
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept)
    return true;
  if (p.Altezza3D == 1) ApplyThickness(common.extrusion, common.thickness, start, end);
  AddLine(context.sink, SegmentTarget::kNewElement, context.NextElementNumber(), start, end, common.layer);
  return true;
}

}  // namespace dxfelem
