// The cells of the checks' grids: the index of the cell of side `side` that
// holds `v`. Held within 2^52 either way, so that a coordinate far beyond
// any drawing (or one that is not a number) cannot overflow the index.
#pragma once

#include <cmath>
#include <cstdint>

namespace dxfelem {

inline int64_t CellIndex(double v, double side) {
  constexpr double kFarthest = 4503599627370496.0;  // 2^52
  const double index = std::floor(v / side);
  if (!(index > -kFarthest)) return -static_cast<int64_t>(kFarthest);
  if (index > kFarthest) return static_cast<int64_t>(kFarthest);
  return static_cast<int64_t>(index);
}

}  // namespace dxfelem
