#include "geometry/circle_builder.h"

#include "geometry/arc_record.h"
#include "geometry/element_builders.h"
#include "interface/conversion_job.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

enum class CircleForm { kHole, kArc, kByRadius };

bool IsFaceName(const ConversionJob& job, std::string_view layer) {
  for (const std::string& face : job.parameters.SideInp) {
    if (face == layer) return true;
  }
  return false;
}

// The first entry, up to one with an empty name or code, whose name occurs
// in the layer name; null when none does.
const LayerTableEntry* FindEntry(const LayerTable& table, std::string_view layer) {
  for (const LayerTableEntry& entry : table) {
    if (entry.layer.empty() || entry.code.empty()) break;
    if (layer.find(entry.layer) != std::string_view::npos) return &entry;
  }
  return nullptr;
}

CircleForm FormByLayer(const ConversionJob& job, std::string_view layer) {
  if (layer.empty() || IsFaceName(job, layer)) return CircleForm::kByRadius;
  if (const LayerTableEntry* machining = FindEntry(job.selection.LavLayer, layer)) {
    const int32_t code = ParseInt(machining->code);
    return code >= 88 && code <= 93 ? CircleForm::kArc : CircleForm::kHole;
  }
  if (FindEntry(job.selection.McrLayer, layer) != nullptr) return CircleForm::kHole;
  return CircleForm::kByRadius;
}

}  // namespace

void AddCircle(ConversionJob& job, int32_t entity, const Frame& frame, const Point3& centre, double radius,
               int32_t direction, std::string_view layer) {
  if (!IsLayerSelected(job.selection, layer)) return;
  CircleForm form = FormByLayer(job, layer);
  if (form == CircleForm::kByRadius) {
    form = static_cast<double>(job.parameters.RadiusMin) < radius ? CircleForm::kArc : CircleForm::kHole;
  }
  if (form == CircleForm::kHole) {
    AddPoint(job, 1, entity, TransformPoint(frame, centre), radius, layer);
    return;
  }
  const Point3 start{centre.x - radius, centre.y, centre.z};
  Point3 middle;
  if (!ArcMiddlePoint(MakeArcRecord(start, start, centre.x, centre.y, direction), middle)) middle = start;
  const Point3 ends = TransformPoint(frame, start);
  AddArc3(job, 1, entity, ends, TransformPoint(frame, middle), ends, layer);
}

}  // namespace dxfelem
