#include "geometry/spread_sort.h"

#include <algorithm>
#include <cstddef>

namespace dxfelem {

void SortSpreadNumbers(std::vector<uint64_t>& numbers) {
  constexpr unsigned kBits = 11;
  constexpr std::size_t kParts = std::size_t{1} << kBits;
  if (numbers.size() < 16 * kParts) {
    std::sort(numbers.begin(), numbers.end());
    return;
  }
  auto partOf = [](uint64_t number) { return static_cast<std::size_t>(number >> (64 - kBits)); };
  std::vector<std::size_t> next(kParts + 1, 0);
  for (uint64_t number : numbers) ++next[partOf(number) + 1];
  for (std::size_t part = 1; part <= kParts; ++part) next[part] += next[part - 1];
  std::vector<std::size_t> end(next.begin() + 1, next.end());
  // Each number is carried to the next free place of its part, and the
  // number found there onward, until one belongs where the cycle started.
  for (std::size_t part = 0; part < kParts; ++part) {
    while (next[part] < end[part]) {
      uint64_t number = numbers[next[part]];
      for (std::size_t home = partOf(number); home != part; home = partOf(number)) {
        std::swap(number, numbers[next[home]++]);
      }
      numbers[next[part]++] = number;
    }
  }
  std::size_t begin = 0;
  for (std::size_t part = 0; part < kParts; ++part) {
    std::sort(numbers.begin() + static_cast<std::ptrdiff_t>(begin),
              numbers.begin() + static_cast<std::ptrdiff_t>(end[part]));
    begin = end[part];
  }
}

}  // namespace dxfelem
