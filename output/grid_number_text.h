// The text of an element file number: rounded to N - 1 decimals on the grid,
// written with N, exactly as printf "%.Nf" writes the rounded double.
#pragma once

#include <cstddef>

namespace dxfelem {

// Writes the number for 3 <= decimals <= 7 into out (kFixedTextCapacity
// bytes) and returns its length.
std::size_t FormatGridNumber(char* out, double value, int decimals);

}  // namespace dxfelem
