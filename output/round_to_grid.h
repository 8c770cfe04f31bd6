// Rounding of element file numbers to a grid of 1/factor.
#pragma once

namespace dxfelem {

// The value in whole grid steps, rounded half away from zero; false (and
// nothing rounded) when it would leave the 32-bit integer range once scaled
// (beyond ±2147483640), or is not a number.
inline bool GridUnits(double value, double factor, long long& units) {
  const double scaled = value * factor;
  if (!(scaled <= 2147483640.0 && scaled >= -2147483640.0)) return false;
  units = static_cast<long long>(scaled >= 0.0 ? scaled + 0.5 : scaled - 0.5);
  return true;
}

// Rounds half away from zero to a multiple of 1/factor. A value beyond the
// grid's range, or a NaN, is returned unchanged.
inline double RoundToGrid(double value, double factor) {
  long long units = 0;
  if (!GridUnits(value, factor, units)) return value;
  return static_cast<double>(units) / factor;
}

}  // namespace dxfelem
