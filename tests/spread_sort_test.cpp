#include "geometry/spread_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace dxfelem {
namespace {

// Sizes on both sides of where the split starts (32768), spread and
// crowded numbers: the answer is always the plain sort's.
TEST(SpreadSort, SortsAsTheStandardSortDoes) {
  std::mt19937_64 random(11);
  for (std::size_t size : {0u, 1u, 1000u, 32767u, 32768u, 200000u}) {
    for (int kind = 0; kind < 3; ++kind) {
      std::vector<uint64_t> numbers(size);
      for (uint64_t& number : numbers) {
        number = random();
        if (kind == 1) number >>= 20;                    // top bits all zero: one part holds all
        if (kind == 2) number = (number % 7) << 61 | 5;  // few distinct values, many repeats
      }
      std::vector<uint64_t> expected = numbers;
      std::sort(expected.begin(), expected.end());
      SortSpreadNumbers(numbers);
      ASSERT_EQ(numbers, expected) << size << " kind " << kind;
    }
  }
}

}  // namespace
}  // namespace dxfelem
