#include "geometry/circle_builder.h"

#include "geometry/arc_record.h"
#include "geometry/element_builders.h"

namespace dxfelem {

void AddCircle(ElementSink& sink, CircleForm form, int32_t entity, const Frame& frame, const Point3& centre,
               double radius, int32_t direction, std::string_view layer) {
  if (form == CircleForm::kHole) {
    AddPoint(sink, PointRole::kIsolated, entity, TransformPoint(frame, centre), radius, layer);
    return;
  }
  const Point3 start{centre.x - radius, centre.y, centre.z};
  Point3 middle;
  if (!ArcMiddlePoint(MakeArcRecord(start, start, centre.x, centre.y, direction), middle)) middle = start;
  const Point3 ends = TransformPoint(frame, start);
  AddArc3(sink, SegmentTarget::kNewElement, entity, ends, TransformPoint(frame, middle), ends, layer);
}

}  // namespace dxfelem
