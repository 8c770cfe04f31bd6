// The creation operations the DXF reader calls: each applies the layer (and
// block) tests of the job before it builds anything.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/point3.h"

namespace dxfelem {

class ConversionJob;

// Mode 0 starts a path at p; modes 1 and 3 add an isolated point with the value.
void AddPoint(ConversionJob& job, int mode, int32_t entity, const Point3& p, double value, std::string_view layer);
// Modes 1 and 2 make a new element, modes 3 and 4 continue the current one.
void AddLine(ConversionJob& job, int mode, int32_t entity, const Point3& p1, const Point3& p2,
             std::string_view layer);
// The arc from p1 through p2 to p3; modes as for lines.
void AddArc3(ConversionJob& job, int mode, int32_t entity, const Point3& p1, const Point3& p2, const Point3& p3,
             std::string_view layer);
void AddMacro(ConversionJob& job, int32_t entity, const Point3& p, std::string_view blockName, std::string_view layer);
void AddPlacement(ConversionJob& job, int32_t entity, const Point3& p, double value, std::string_view blockName,
                  std::string_view layer);
// The block and layer are those of the latest insertion; the element takes
// the attribute's tag as its layer and its value as its tag.
void AddAttribute(ConversionJob& job, int32_t entity, const Point3& p, std::string_view blockName,
                  std::string_view layer, std::string_view attributeTag, std::string_view attributeValue);

// A coded layer: selected, not a face name, and named in the McrLayer table
// with a code from 1050 to 1052.
bool IsCodedLayer(const ConversionJob& job, std::string_view layer);

}  // namespace dxfelem
