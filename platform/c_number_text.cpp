#include "platform/c_number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace dxfelem {
namespace {

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c, bool hex) {
  if (c >= '0' && c <= '9') return true;
  return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// from_chars leaves the value alone when the result is out of range, where
// strtod gives ±HUGE_VAL or ±0. Which of the two it is follows from the decimal
// (or, for hexadecimal text, binary) exponent of the leading significant digit;
// out of range means that exponent is beyond ±300, so a rough count settles it.
double OutOfRangeResult(const char* first, const char* last, bool hex) {
  long long magnitude = 0;
  const char* p = first;
  bool seenNonZero = false;
  const int digitWeight = hex ? 4 : 1;
  for (; p != last && IsDigit(*p, hex); ++p) {
    if (*p != '0') seenNonZero = true;
    if (seenNonZero) magnitude += digitWeight;
  }
  if (p != last && *p == '.') {
    for (++p; p != last && IsDigit(*p, hex); ++p) {
      if (seenNonZero) continue;
      if (*p != '0') seenNonZero = true;
      else magnitude -= digitWeight;
    }
  }
  if (p != last && (hex ? (*p == 'p' || *p == 'P') : (*p == 'e' || *p == 'E'))) {
    ++p;
    bool negative = false;
    if (p != last && (*p == '+' || *p == '-')) negative = *p++ == '-';
    long long exponent = 0;
    for (; p != last && *p >= '0' && *p <= '9'; ++p) {
      if (exponent < 1000000000) exponent = exponent * 10 + (*p - '0');
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// Parses an unsigned number at first; false when the text starts with none.
bool ParseUnsigned(const char* first, const char* last, bool hex, double& value) {
  const auto format = hex ? std::chars_format::hex : std::chars_format::general;
  const auto result = std::from_chars(first, last, value, format);
  if (result.ec == std::errc::result_out_of_range) {
    value = OutOfRangeResult(first, last, hex);
    return true;
  }
  return result.ec == std::errc();
}

// "0x" counts as a prefix only when a hexadecimal digit follows (directly or
// after the point); otherwise strtod reads the "0" and stops at the "x".
bool HasHexPrefix(const char* p, const char* last) {
  if (last - p < 3 || p[0] != '0' || (p[1] != 'x' && p[1] != 'X')) return false;
  if (IsDigit(p[2], true)) return true;
  return last - p >= 4 && p[2] == '.' && IsDigit(p[3], true);
}

}  // namespace

double ParseDouble(std::string_view text) {
  const char* p = text.data();
  const char* last = p + text.size();
  while (p != last && IsCSpace(*p)) ++p;
  bool negative = false;
  if (p != last && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // from_chars would take a sign of its own; strtod takes only one.
  if (p == last || *p == '+' || *p == '-') return 0.0;
  double value = 0.0;
  const bool hex = HasHexPrefix(p, last);
  if (!ParseUnsigned(hex ? p + 2 : p, last, hex, value)) return 0.0;
  return negative ? -value : value;
}

int32_t WholePartHeld(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

int32_t ParseInt(std::string_view text) {
  const char* p = text.data();
  const char* last = p + text.size();
  while (p != last && IsCSpace(*p)) ++p;
  bool negative = false;
  if (p != last && (*p == '+' || *p == '-')) negative = *p++ == '-';
  int64_t magnitude = 0;
  for (; p != last && *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > int64_t{1} << 32) magnitude = int64_t{1} << 32;  // saturated either way
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::size_t FormatFixed(char* out, double value, int decimals) {
  if (std::isnan(value)) {
    const char* text = std::signbit(value) ? "-nan" : "nan";
    std::memcpy(out, text, std::strlen(text) + 1);
    return std::strlen(text);
  }
  const auto result = std::to_chars(out, out + kFixedTextCapacity - 1, value, std::chars_format::fixed, decimals);
  *result.ptr = '\0';
  return static_cast<std::size_t>(result.ptr - out);
}

std::size_t FormatInt(char* out, int32_t value) {
  const auto result = std::to_chars(out, out + 11, value);
  *result.ptr = '\0';
  return static_cast<std::size_t>(result.ptr - out);
}

}  // namespace dxfelem
