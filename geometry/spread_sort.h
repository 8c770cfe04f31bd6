// Sorting millions of numbers whose top bits are spread evenly, such as
// hashes.
#pragma once

#include <cstdint>
#include <vector>

namespace dxfelem {

// Sorts in increasing order, in place: split by the top 11 bits, each part
// split again by the next 8 bits while it is large, and the small parts left
// sorted by the standard sort. Several times as fast as one sort of millions
// of numbers, and no second buffer. Numbers that are not spread are sorted
// as well, only not faster.
void SortSpreadNumbers(std::vector<uint64_t>& numbers);

}  // namespace dxfelem
