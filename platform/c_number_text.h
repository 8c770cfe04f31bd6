// Number text conversions with the results the C library gives in the "C"
// locale, without ever reading or changing the process locale: a host may run
// with a decimal comma, and element files must still carry decimal points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dxfelem {

// strtod: leading white space skipped, as much of the text as forms a number
// (decimal, hexadecimal "0x…p…", "inf", "infinity", "nan"), 0 when nothing
// does; overflow gives ±infinity and underflow ±0, as glibc does.
double ParseDouble(std::string_view text);

// atoi with a 32-bit long: leading white space, an optional sign, the leading
// decimal digits; 0 without digits. Values beyond the 32-bit range saturate,
// as the C library of the Windows hosts does.
int32_t ParseInt(std::string_view text);

// A number read as a double taken as a code (a header's group 70): its
// whole part, held to the 32-bit range; a NaN is 0. A cast would be
// undefined for 1e10 or an infinity a broken file may hold.
int32_t WholePartHeld(double value);

// Enough room for "%.7f" of the largest double (309 digits, sign, point).
inline constexpr std::size_t kFixedTextCapacity = 330;

// printf "%.<decimals>f" into out (at least kFixedTextCapacity bytes); returns
// the length. Rounds exactly like glibc's printf (correct rounding, ties of the
// binary value to even); infinities and NaNs print as "inf", "-inf", "nan", "-nan".
std::size_t FormatFixed(char* out, double value, int decimals);

// printf "%d"; out needs 12 bytes. Returns the length.
std::size_t FormatInt(char* out, int32_t value);

}  // namespace dxfelem
