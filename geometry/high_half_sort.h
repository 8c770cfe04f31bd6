// Sorting millions of 64-bit numbers by their high halves, such as a grid's
// entries: a hashed cell in the high half, a piece's number in the low.
#pragma once

#include <cstdint>
#include <vector>

namespace dxfelem {

// Sorts by the high 32 bits, keeping the order of numbers that share them
// (stable): numbers that come in increasing order of their low halves end
// in increasing order, as a plain sort would leave them. Three passes of
// 11, 11 and 10 bits through a second buffer, each a sequential read and
// scattered writes: several times as fast as one sort of millions of
// numbers. A pass whose digit is the same for every number is skipped.
void SortByHighHalves(std::vector<uint64_t>& numbers);

}  // namespace dxfelem
