// The joining exactly as written down: for each element, a scan of the rest
// of the list, started again after every join. Quadratic, and the measure of
// what the fast chaining must give.
#pragma once

#include "geometry/profile_chaining.h"

namespace dxfelem::test {

void ReferenceChain(Drawing& drawing, double tolerance, const CodedLayerTest& isCoded, bool startPoints);

}  // namespace dxfelem::test
