// POINT: an isolated point with the value 0.001.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"

namespace dxfelem {
namespace {

constexpr double kPointValue = 0.001;

// The point's coordinates as the panel face of its extrusion sees them.
Point3 Permute(const Point3& n, const Point3& p) {
  if (NearValue(n.z, 1.0)) return p;
  if (NearValue(n.y, 1.0)) return {-p.x, p.z, p.y};
  if (NearValue(n.x, 1.0)) return {p.y, p.z, p.x};
  if (NearValue(n.z, -1.0)) return {-p.x, p.y, p.z};
  if (NearValue(n.y, -1.0)) return {p.x, p.z, -p.y};
  if (NearValue(n.x, -1.0)) return {-p.y, p.z, -p.x};
  return p;
}

}  // namespace

bool ReadPointEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  Point3 point;
  ForEachGroup(reader, firstCode,
               [&](Token code) { return common.Take(code, reader) || TakePlacePoint(code, reader, point); });
  const ParameterRecord& p = context.parameters;
  // A point is carried by swapping its axes, not by the frame.
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept)
    return true;
  point = Permute(common.extrusion, point);
  if (p.Altezza3D == 1) point.z += common.thickness;
  AddPoint(context.sink, PointRole::kIsolated, context.NextElementNumber(), point, kPointValue, common.layer);
  return true;
}

}  // namespace dxfelem
