// Reading one value line of a group, in the forms the readers need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/dxf_line_reader.h"
#include "dxf/keyword_table.h"

namespace dxfelem {

// Leading spaces and tabs skipped, trailing spaces (not tabs) removed. False,
// with an empty text, at the end of the file.
bool ReadTrimmedLine(DxfLineReader& reader, std::string_view& text);
// A trimmed line looked up in the keyword table; kTokenNone at the end.
Token ReadToken(DxfLineReader& reader);
// The line as it is, without its line feed; skipped when `destination` is null.
void ReadRawLine(DxfLineReader& reader, std::string* destination);
// The trimmed line as a double, rounded to four decimals.
double ReadRounded4(DxfLineReader& reader);
// The same in single precision.
float ReadRounded4Single(DxfLineReader& reader);
// The trimmed line as a double, not rounded.
double ReadDouble(DxfLineReader& reader);
// The trimmed line's leading decimal integer; 0 without digits.
int32_t ReadInt(DxfLineReader& reader);

// The rounding steps of the coordinate readers: v * 100000 + 0.5, outside
// ±2147483640 unchanged, truncated, 5 added away from zero, divided by 10
// and by 10000. A NaN is no coordinate and reads as 0, like text without digits.
double RoundTo4Decimals(double value);
// The same with single-precision constants and the range ±2^31 (ends excluded).
float RoundTo4DecimalsSingle(float value);

// A double held in single precision; beyond the float range, infinity.
float NarrowToFloat(double value);

}  // namespace dxfelem
