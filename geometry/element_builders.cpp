#include "geometry/element_builders.h"

#include <cmath>

#include "interface/conversion_job.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

Drawing* TargetDrawing(ConversionJob& job, std::string_view layer) {
  if (!job.drawing || !IsLayerSelected(job.selection, layer)) return nullptr;
  return job.drawing.get();
}

// Overflowing input (1e308 and the like) can leave a point infinite or not
// a number after the geometry; such a point is no place on a machine, and
// its element is left out rather than written.
bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

bool SegmentTargetOf(int mode, SegmentTarget& target) {
  if (mode == 1 || mode == 2) {
    target = SegmentTarget::kNewElement;
    return true;
  }
  if (mode == 3 || mode == 4) {
    target = SegmentTarget::kCurrentElement;
    return true;
  }
  return false;
}

}  // namespace

void AddPoint(ConversionJob& job, int mode, int32_t entity, const Point3& p, double value, std::string_view layer) {
  Drawing* drawing = TargetDrawing(job, layer);
  if (drawing == nullptr || !IsFinite(p) || !std::isfinite(value)) return;
  if (mode == 0) {
    drawing->StartPath(entity, p, layer);
  } else if (mode == 1 || mode == 3) {
    drawing->AddIsolatedPoint(entity, p, value, layer);
  }
}

void AddLine(ConversionJob& job, int mode, int32_t entity, const Point3& p1, const Point3& p2,
             std::string_view layer) {
  Drawing* drawing = TargetDrawing(job, layer);
  SegmentTarget target;
  if (drawing == nullptr || !SegmentTargetOf(mode, target) || !IsFinite(p1) || !IsFinite(p2)) return;
  drawing->AddLine(target, entity, p1, p2, layer);
}

void AddArc3(ConversionJob& job, int mode, int32_t entity, const Point3& p1, const Point3& p2, const Point3& p3,
             std::string_view layer) {
  Drawing* drawing = TargetDrawing(job, layer);
  SegmentTarget target;
  if (drawing == nullptr || !SegmentTargetOf(mode, target) || !IsFinite(p1) || !IsFinite(p2) || !IsFinite(p3)) {
    return;
  }
  drawing->AddArc(target, entity, p1, p2, p3, layer);
}

void AddMacro(ConversionJob& job, int32_t entity, const Point3& p, std::string_view blockName,
              std::string_view layer) {
  if (!IsBlockSelected(job.selection, blockName)) return;
  if (Drawing* drawing = TargetDrawing(job, layer)) drawing->AddMacroCall(entity, p, layer, blockName);
}

void AddPlacement(ConversionJob& job, int32_t entity, const Point3& p, double value, std::string_view blockName,
                  std::string_view layer) {
  if (!IsBlockSelected(job.selection, blockName)) return;
  if (Drawing* drawing = TargetDrawing(job, layer)) drawing->AddPlacement(entity, p, value, layer, blockName);
}

void AddAttribute(ConversionJob& job, int32_t entity, const Point3& p, std::string_view blockName,
                  std::string_view layer, std::string_view attributeTag, std::string_view attributeValue) {
  if (!IsBlockSelected(job.selection, blockName)) return;
  if (Drawing* drawing = TargetDrawing(job, layer)) drawing->AddAttribute(entity, p, attributeTag, attributeValue);
}

bool IsCodedLayer(const ConversionJob& job, std::string_view layer) {
  if (!IsLayerSelected(job.selection, layer) || layer.empty()) return false;
  for (const std::string& face : job.parameters.SideInp) {
    if (face == layer) return false;
  }
  for (const LayerTableEntry& entry : job.selection.McrLayer) {
    if (entry.code.empty() || entry.layer.empty()) break;
    if (layer.find(entry.layer) == std::string_view::npos) continue;
    int32_t code = ParseInt(entry.code);
    if (code >= 1050 && code <= 1052) return true;
  }
  return false;
}

}  // namespace dxfelem
