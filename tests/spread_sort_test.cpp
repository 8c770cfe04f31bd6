#include "geometry/spread_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace dxfelem {
namespace {

// Sizes on both sides of where the split starts (1024), spread and crowded
// numbers (split at every level, or at none): the answer is always the plain
// sort's.
TEST(SpreadSort, SortsAsTheStandardSortDoes) {
  std::mt19937_64 random(11);
  for (std::size_t size : {0u, 1u, 1023u, 1024u, 5000u, 200000u}) {
    for (int kind = 0; kind < 4; ++kind) {
      std::vector<uint64_t> numbers(size);
      for (std::size_t i = 0; i < size; ++i) {
        uint64_t& number = numbers[i];
        number = random();
        if (kind == 1) number >>= 20;                      // top bits all zero: one part holds all
        if (kind == 2) number = (number % 7) << 61 | 5;    // few distinct values, many repeats
        if (kind == 3) number = (number % 300) << 52 | i;  // a grid's crowded cells, in the order added
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
