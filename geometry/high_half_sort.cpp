#include "geometry/high_half_sort.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace dxfelem {
namespace {

// Below this many, the standard stable sort is quicker than three passes
// over their counts.
constexpr std::size_t kFewNumbers = 4096;

struct Digit {
  unsigned shift;
  uint64_t mask;
};
constexpr std::array<Digit, 3> kDigits{{{32, 0x7FF}, {43, 0x7FF}, {54, 0x3FF}}};

std::size_t DigitOf(uint64_t number, Digit digit) {
  return static_cast<std::size_t>(number >> digit.shift & digit.mask);
}

}  // namespace

void SortByHighHalves(std::vector<uint64_t>& numbers) {
  const std::size_t count = numbers.size();
  if (count < kFewNumbers) {
    std::stable_sort(numbers.begin(), numbers.end(), [](uint64_t a, uint64_t b) { return a >> 32 < b >> 32; });
    return;
  }
  // The counts of every digit's values, all three in one pass.
  std::array<std::array<std::size_t, 2048>, 3> counts{};
  for (const uint64_t number : numbers) {
    for (std::size_t d = 0; d < kDigits.size(); ++d) ++counts[d][DigitOf(number, kDigits[d])];
  }
  std::vector<uint64_t> other(count);
  for (std::size_t d = 0; d < kDigits.size(); ++d) {
    const Digit digit = kDigits[d];
    std::array<std::size_t, 2048>& next = counts[d];
    if (next[DigitOf(numbers.front(), digit)] == count) continue;
    std::size_t start = 0;
    for (std::size_t& value : next) start += std::exchange(value, start);
    for (const uint64_t number : numbers) other[next[DigitOf(number, digit)]++] = number;
    numbers.swap(other);
  }
}

}  // namespace dxfelem
