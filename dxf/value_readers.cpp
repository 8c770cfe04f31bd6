#include "dxf/value_readers.h"

#include <cmath>
#include <limits>

#include "platform/c_number_text.h"

namespace dxfelem {

bool ReadTrimmedLine(DxfLineReader& reader, std::string_view& text) {
  if (!reader.ReadLine(text)) return false;
  // Leading blanks and tabs, trailing blanks. By hand: find_first_not_of
  // with a set looks every character up in the set, a call each.
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin != end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end != begin && end[-1] == ' ') --end;
  text = std::string_view(begin, static_cast<std::size_t>(end - begin));
  return true;
}

Token ReadToken(DxfLineReader& reader) {
  std::string_view text;
  return ReadTrimmedLine(reader, text) ? LookupKeyword(text) : kTokenNone;
}

void ReadRawLine(DxfLineReader& reader, std::string* destination) {
  std::string_view text;
  reader.ReadLine(text);
  if (destination != nullptr) destination->assign(text);
}

double RoundTo4Decimals(double value) {
  if (std::isnan(value)) return 0.0;
  const double t = value * 100000.0 + 0.5;
  if (!(t >= -2147483640.0 && t <= 2147483640.0)) return value;
  int32_t n = static_cast<int32_t>(t);
  n = n > 0 ? n + 5 : n - 5;
  n /= 10;
  return n / 10000.0;
}

float RoundTo4DecimalsSingle(float value) {
  if (std::isnan(value)) return 0.0f;
  const float t = value * 100000.0f + 0.5f;
  // ±2^31 itself does not fit the integer, so the ends of the range are out.
  if (!(t > -2147483648.0f && t < 2147483648.0f)) return value;
  int32_t n = static_cast<int32_t>(t);
  n = n > 0 ? n + 5 : n - 5;
  n /= 10;
  return static_cast<float>(n) / 10000.0f;
}

double ReadDouble(DxfLineReader& reader) {
  std::string_view text;
  ReadTrimmedLine(reader, text);
  return ParseDouble(text);
}

double ReadRounded4(DxfLineReader& reader) { return RoundTo4Decimals(ReadDouble(reader)); }

float NarrowToFloat(double value) {
  // Beyond the float range the conversion gives infinity, as on the hosts.
  if (std::fabs(value) > std::numeric_limits<float>::max()) {
    return std::signbit(value) ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(value);
}

float ReadRounded4Single(DxfLineReader& reader) { return RoundTo4DecimalsSingle(NarrowToFloat(ReadDouble(reader))); }

int32_t ReadInt(DxfLineReader& reader) {
  std::string_view text;
  ReadTrimmedLine(reader, text);
  return ParseInt(text);
}

}  // namespace dxfelem
