// The six operations of the element file rewriting, on one element.
#pragma once

#include "geometry/element.h"

namespace dxfelem {

enum RewriteOperation : int32_t {
  kExtendStart = 1,
  kExtendEnd = 2,
  kExtendBoth = 3,
  kReportDirections = 4,
  kLeadIn = 5,
  kLeadOut = 6,
};

// Applies the operation with the operands a and b (operation 4 writes the
// directions into them). False when it fails on this element.
bool ApplyRewriteOperation(Element& element, int32_t operation, double& a, double& b);

}  // namespace dxfelem
