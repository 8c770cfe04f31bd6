#include "output/grid_number_text.h"

#include <cstdint>

#include "output/round_to_grid.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

constexpr double kGridFactors[] = {100.0, 1000.0, 10000.0, 100000.0, 1000000.0};
constexpr long long kGridSteps[] = {100, 1000, 10000, 100000, 1000000};

}  // namespace

std::size_t FormatGridNumber(char* out, double value, int decimals) {
  const double factor = kGridFactors[decimals - 3];
  long long units = 0;
  // Beyond the grid the number is written unrounded, with printf's rounding.
  if (!GridUnits(value, factor, units)) return FormatFixed(out, value, decimals);
  // On the grid the rounded double is units / 10^(N-1), within far less
  // than half a unit of the N-th decimal of that quotient; so printf writes
  // the digits of units with the point N - 1 places from the right and a
  // 0 after them, which is what is written here, without printf.
  std::size_t length = 0;
  if (units < 0) out[length++] = '-';
  const unsigned long long magnitude =
      units < 0 ? 0ull - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  const unsigned long long step = static_cast<unsigned long long>(kGridSteps[decimals - 3]);
  length += FormatInt(out + length, static_cast<int32_t>(magnitude / step));
  out[length++] = '.';
  unsigned long long fraction = magnitude % step;
  for (int place = decimals - 2; place >= 0; --place) {
    out[length + static_cast<std::size_t>(place)] = static_cast<char>('0' + fraction % 10);
    fraction /= 10;
  }
  length += static_cast<std::size_t>(decimals - 1);
  out[length++] = '0';
  out[length] = '\0';
  return length;
}

}  // namespace dxfelem
