// The creation operations the DXF reader calls: each applies the layer (and
// block) tests of the sink before it builds anything.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/element_sink.h"
#include "geometry/point3.h"

namespace dxfelem {

enum class PointRole {
  kPathStart,  // the first node of a path, which the lines and arcs after it continue
  kIsolated,   // an element of its own, with a value
};

void AddPoint(ElementSink& sink, PointRole role, int32_t entity, const Point3& p, double value, std::string_view layer);
void AddLine(ElementSink& sink, SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2,
             std::string_view layer);
// The arc from p1 through p2 to p3.
void AddArc3(ElementSink& sink, SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2,
             const Point3& p3, std::string_view layer);
void AddMacro(ElementSink& sink, int32_t entity, const Point3& p, std::string_view blockName, std::string_view layer);
void AddPlacement(ElementSink& sink, int32_t entity, const Point3& p, double value, std::string_view blockName,
                  std::string_view layer);
// The block and layer are those of the latest insertion; the element takes
// the attribute's tag as its layer and its value as its tag.
void AddAttribute(ElementSink& sink, int32_t entity, const Point3& p, std::string_view blockName,
                  std::string_view layer, std::string_view attributeTag, std::string_view attributeValue);

}  // namespace dxfelem
