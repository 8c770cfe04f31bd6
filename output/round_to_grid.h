// Rounding of element file numbers to a grid of 1/factor.
#pragma once

namespace dxfelem {

// Rounds half away from zero to a multiple of 1/factor. A value that would
// leave the 32-bit integer range once scaled (beyond ±2147483640) is returned
// unchanged, as is a NaN.
inline double RoundToGrid(double value, double factor) {
  double scaled = value * factor;
  if (!(scaled <= 2147483640.0 && scaled >= -2147483640.0)) return value;
  auto whole = static_cast<long long>(scaled >= 0.0 ? scaled + 0.5 : scaled - 0.5);
  return static_cast<double>(whole) / factor;
}

}  // namespace dxfelem
