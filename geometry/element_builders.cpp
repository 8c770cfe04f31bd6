#include "geometry/element_builders.h"

#include <cmath>

#include "geometry/vector3.h"

// Overflowing input (1e308 and the like) can leave a point infinite or not
// a number after the geometry; such a point is no place on a machine, and
// its element is left out rather than written.
namespace dxfelem {

void AddPoint(ElementSink& sink, PointRole role, int32_t entity, const Point3& p, double value,
              std::string_view layer) {
  Drawing* drawing = sink.For(layer);
  if (drawing == nullptr || !IsFinite(p) || !std::isfinite(value)) return;
  if (role == PointRole::kPathStart) drawing->StartPath(entity, p, layer);
  else drawing->AddIsolatedPoint(entity, p, value, layer);
}

void AddLine(ElementSink& sink, SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2,
             std::string_view layer) {
  Drawing* drawing = sink.For(layer);
  if (drawing == nullptr || !IsFinite(p1) || !IsFinite(p2)) return;
  drawing->AddLine(target, entity, p1, p2, layer);
}

void AddArc3(ElementSink& sink, SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2,
             const Point3& p3, std::string_view layer) {
  Drawing* drawing = sink.For(layer);
  if (drawing == nullptr || !IsFinite(p1) || !IsFinite(p2) || !IsFinite(p3)) return;
  drawing->AddArc(target, entity, p1, p2, p3, layer);
}

void AddMacro(ElementSink& sink, int32_t entity, const Point3& p, std::string_view blockName, std::string_view layer) {
  if (!sink.TakesBlock(blockName)) return;
  if (Drawing* drawing = sink.For(layer)) drawing->AddMacroCall(entity, p, layer, blockName);
}

void AddPlacement(ElementSink& sink, int32_t entity, const Point3& p, double value, std::string_view blockName,
                  std::string_view layer) {
  if (!sink.TakesBlock(blockName)) return;
  if (Drawing* drawing = sink.For(layer)) drawing->AddPlacement(entity, p, value, layer, blockName);
}

void AddAttribute(ElementSink& sink, int32_t entity, const Point3& p, std::string_view blockName,
                  std::string_view layer, std::string_view attributeTag, std::string_view attributeValue) {
  if (!sink.TakesBlock(blockName)) return;
  if (Drawing* drawing = sink.For(layer)) drawing->AddAttribute(entity, p, attributeTag, attributeValue);
}

}  // namespace dxfelem
