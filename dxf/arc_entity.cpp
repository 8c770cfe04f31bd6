// ARC: one three-point arc, counter-clockwise from its start angle.
#include <cmath>

#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/arc_record.h"
#include "geometry/element_builders.h"
#include "kernel/tg_angle.h"

namespace dxfelem {
namespace {

// Coordinates this close to zero are zero: arcs that start on an axis.
constexpr double kSnapToZero = 0.00001;

double Snapped(double value) { return value > -kSnapToZero && value < kSnapToZero ? 0.0 : value; }

}  // namespace

bool ReadArcEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 centre;
  double radius = 0.0;
  double startAngle = 0.0;
  double endAngle = 0.0;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader) || TakePlacePoint(code, reader, centre)) return true;
    switch (code) {
      case kGroup40: radius = ReadRounded4(reader); return true;
      case kGroup50: startAngle = ReadDouble(reader); return true;
      case kGroup51: endAngle = ReadDouble(reader); return true;
      default: return false;
    }
  });
  const ParameterRecord& p = context.parameters;
  const Placement placement =
      PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind);
  if (!placement.kept) return true;
  if (p.Altezza3D == 1) centre.z += common.thickness;
  startAngle *= kTgRadiansPerDegree;
  endAngle *= kTgRadiansPerDegree;
  const Point3 start{Snapped(centre.x + radius * std::cos(startAngle)),
                     Snapped(centre.y + radius * std::sin(startAngle)), centre.z};
  const Point3 end{Snapped(centre.x + radius * std::cos(endAngle)), Snapped(centre.y + radius * std::sin(endAngle)),
                   centre.z};
  Point3 middle;
  if (!ArcMiddlePoint(MakeArcRecord(start, end, centre.x, centre.y, 1), middle)) middle = end;
  const Frame& frame = placement.frame;
  AddArc3(context.sink, SegmentTarget::kNewElement, context.NextElementNumber(), TransformPoint(frame, start),
          TransformPoint(frame, middle), TransformPoint(frame, end), common.layer);
  return true;
}

}  // namespace dxfelem
