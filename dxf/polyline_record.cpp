#include "dxf/polyline_record.h"

#include <cmath>

#include "dxf/entity_context.h"
#include "dxf/placement.h"
#include "dxf/value_readers.h"
#include "geometry/arc_record.h"
#include "geometry/extrusion_frame.h"
#include "geometry/element_builders.h"

namespace dxfelem {
namespace {

// The single-precision 1e-8, widened: smaller bulges and radii make no arc.
constexpr double kSmallestBulge = 9.99999993922529e-09;

class PolylineEmitter {
 public:
  PolylineEmitter(EntityContext& context, const PolylineRecord& record, bool coded, float elevation, const Frame& frame)
      : context_(context), record_(record), coded_(coded), elevation_(elevation), axes_(frame) {}

  // The vertex in the polyline's own coordinates: z plus the elevation,
  // summed in single precision.
  Point3 Own(const PolylineVertex& v) const {
    return {static_cast<double>(v.x), static_cast<double>(v.y), static_cast<double>(v.z + elevation_)};
  }
  Point3 World(const PolylineVertex& v) const { return axes_.Apply(Own(v)); }

  void Start(const PolylineVertex& first) {
    if (coded_) return;
    AddPoint(context_.sink, PointRole::kPathStart, context_.NextElementNumber(), World(first), 0.0, record_.layer);
  }

  // A piece with the bulge of its first vertex; the closing piece back to
  // the first vertex is made the same way.
  void Add(const PolylineVertex& from, const PolylineVertex& to) {
    double cx = 0.0;
    double cy = 0.0;
    int32_t direction = 1;
    if (from.bulge != 0.0 && BulgeArcCentre(from.x, from.y, to.x, to.y, from.bulge, cx, cy, direction)) {
      Point3 middle;
      ArcMiddlePoint(MakeArcRecord(Own(from), Own(to), cx, cy, direction), middle);  // the chord midpoint if none
      AddArc3(context_.sink, SegmentTarget::kCurrentElement, context_.elementCounter, World(from), axes_.Apply(middle),
              World(to), record_.layer);
      return;
    }
    if (coded_) {
      AddLine(context_.sink, SegmentTarget::kNewElement, context_.NextElementNumber(), World(from), World(to),
              record_.layer);
    } else {
      AddLine(context_.sink, SegmentTarget::kCurrentElement, context_.elementCounter, World(from), World(to),
              record_.layer);
    }
  }

  // The open end of a path makes nothing, but it uses up a number, as on
  // the hosts: the next entity's number shows it.
  void EndOpen() {
    if (coded_) return;
    context_.NextElementNumber();
  }

 private:
  EntityContext& context_;
  const PolylineRecord& record_;
  bool coded_;
  float elevation_;
  FrameAxes axes_;
};

}  // namespace

bool BulgeArcCentre(double ax, double ay, double bx, double by, double bulge, double& centreX, double& centreY,
                    int32_t& direction) {
  if (!(std::fabs(bulge) >= kSmallestBulge) || !std::isfinite(bulge)) return false;
  const double dx = bx - ax;
  const double dy = by - ay;
  const double d = std::sqrt(dx * dx + dy * dy);
  double r = (d / 2.0) * (bulge * bulge + 1.0) / (2.0 * bulge);
  direction = r >= 0.0 ? 1 : 0;
  r = std::fabs(r);
  if (!(r >= kSmallestBulge) || !std::isfinite(r)) return false;
  // The circles of radius r about a and b meet on the chord's bisector, h
  // away from its midpoint. Exactly at a half circle h is 0; rounding may
  // take its square a hair below 0 there, which is still the one point.
  const double half = d / 2.0;
  double h2 = r * r - half * half;
  if (h2 < 0.0) {
    if (h2 < -1e-12 * r * r) return false;
    h2 = 0.0;
  }
  const double h = std::sqrt(h2);
  const double leftX = -dy / d;
  const double leftY = dx / d;
  // Up to a half circle the centre lies on the side the arc turns to:
  // left of a-b when counter-clockwise; beyond it, on the other side.
  const bool left = (std::fabs(bulge) < 1.0) == (direction == 1);
  const double side = left ? h : -h;
  centreX = ax + dx / 2.0 + side * leftX;
  centreY = ay + dy / 2.0 + side * leftY;
  return true;
}

void EmitPolylineElements(EntityContext& context, PolylineRecord& record) {
  // Meshes are surfaces, not paths: they make nothing. The hosts' reading
  // names the bits 16 and 32 for polygon and polyface meshes, but a
  // polyface mesh is bit 64 in DXF; drawn as a path, its face records
  // (which have no coordinates) would become nodes at the origin that a
  // machine would cut. The intent, no mesh makes anything, decides.
  constexpr uint16_t kAnyMesh =
      PolylineRecord::kPolygonMesh | PolylineRecord::kMeshClosedInN | PolylineRecord::kPolyfaceMesh;
  if ((record.flags & kAnyMesh) != 0) {
    context.reading.tally.LeaveOut(LeftOut::kMesh, record.kind);
    return;
  }
  const ParameterRecord& p = context.parameters;
  // The layer as read decides whether it is coded, before the face name is added.
  const bool coded = IsCodedLayer(context.selection, p, record.layer);
  const Placement placement = PlaceEntity(p, record.layer, record.extrusion, context.reading.tally, record.kind);
  if (!placement.kept) return;
  double elevation = record.elevation;
  if (p.Altezza3D == 1) elevation += record.thickness;

  PolylineEmitter emitter(context, record, coded, NarrowToFloat(elevation), placement.frame);
  const std::vector<PolylineVertex>& vertices = record.vertices;
  if (!vertices.empty()) {
    emitter.Start(vertices.front());
    for (std::size_t i = 1; i < vertices.size(); ++i) emitter.Add(vertices[i - 1], vertices[i]);
  }
  if ((record.flags & PolylineRecord::kClosed) != 0) {
    // A closed polyline without vertices has nothing to close.
    if (!vertices.empty()) emitter.Add(vertices.back(), vertices.front());
  } else {
    emitter.EndOpen();
  }
}

void EmitPolyline(EntityContext& context, PolylineRecord& record) {
  ReadingTally& tally = context.reading.tally;
  const Drawing* drawing = context.sink.drawing;
  const std::size_t builtBefore = drawing != nullptr ? drawing->built() : 0;
  const long leftOutBefore = tally.LeftOutSoFar();
  EmitPolylineElements(context, record);
  if (tally.LeftOutSoFar() != leftOutBefore) return;
  if (drawing != nullptr && drawing->built() != builtBefore) tally.Made(record.kindToken);
  else tally.LeaveOut(LeftOut::kNothingMade, record.kind);
}

}  // namespace dxfelem
