#include "geometry/spread_sort.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace dxfelem {
namespace {

using Iterator = std::vector<uint64_t>::iterator;

// Below this many, a part is sorted by the standard sort.
constexpr std::ptrdiff_t kSmallPart = 64;

// Splits [first, last) in place by the `Bits` bits below `shift` (each
// number is carried to the next free place of its part, and the number
// found there onward, until one belongs where the cycle started), then
// sorts each part: split again by the next 8 bits while it is large and
// bits are left to split by, else by the standard sort. Numbers that all
// share their top bits cost one pass per level and end in the standard sort.
template <unsigned Bits>
void SplitAndSort(Iterator first, Iterator last, unsigned shift, unsigned levelsLeft) {
  constexpr std::size_t parts = std::size_t{1} << Bits;
  auto partOf = [&](uint64_t number) { return static_cast<std::size_t>((number >> (shift - Bits)) & (parts - 1)); };
  std::array<std::size_t, parts + 1> next{};
  for (auto it = first; it != last; ++it) ++next[partOf(*it) + 1];
  for (std::size_t part = 1; part <= parts; ++part) next[part] += next[part - 1];
  std::array<std::size_t, parts> end{};
  std::copy(next.begin() + 1, next.end(), end.begin());
  for (std::size_t part = 0; part < parts; ++part) {
    while (next[part] < end[part]) {
      uint64_t number = first[static_cast<std::ptrdiff_t>(next[part])];
      for (std::size_t home = partOf(number); home != part; home = partOf(number)) {
        std::swap(number, first[static_cast<std::ptrdiff_t>(next[home]++)]);
      }
      first[static_cast<std::ptrdiff_t>(next[part]++)] = number;
    }
  }
  std::size_t begin = 0;
  for (std::size_t part = 0; part < parts; ++part) {
    const Iterator from = first + static_cast<std::ptrdiff_t>(begin);
    const Iterator to = first + static_cast<std::ptrdiff_t>(end[part]);
    if (to - from > kSmallPart && levelsLeft > 0 && shift - Bits >= 8) {
      SplitAndSort<8>(from, to, shift - Bits, levelsLeft - 1);
    } else {
      std::sort(from, to);
    }
    begin = end[part];
  }
}

}  // namespace

void SortSpreadNumbers(std::vector<uint64_t>& numbers) {
  if (numbers.size() < 16 * kSmallPart) {
    std::sort(numbers.begin(), numbers.end());
    return;
  }
  // Two levels below the first at most: 27 bits split apart numbers spread
  // over millions of cells, and numbers crowded on a few top bits pay for
  // no more than three passes before the standard sort.
  SplitAndSort<11>(numbers.begin(), numbers.end(), 64, 2);
}

}  // namespace dxfelem
