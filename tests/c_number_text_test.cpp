// The locale-free number conversions give exactly what the C library gives
// in the "C" locale (this test program never changes its locale).
#include "platform/c_number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace dxfelem {
namespace {

std::string Printf(double value, int decimals) {
  char text[400];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Fixed(double value, int decimals) {
  char text[kFixedTextCapacity];
  std::size_t length = FormatFixed(text, value, decimals);
  EXPECT_EQ(text[length], '\0');
  return std::string(text, length);
}

TEST(CNumberText, FixedFormatMatchesPrintf) {
  std::mt19937_64 random(12345);
  std::uniform_real_distribution<double> uniform(-1e6, 1e6);
  for (int i = 0; i < 20000; ++i) {
    // Both ordinary values and ties on the decimal grid (x.xxx5).
    double value = i % 2 == 0 ? uniform(random) : std::round(uniform(random) * 1e4) / 1e4 + 0.00005;
    for (int decimals = 3; decimals <= 7; ++decimals) {
      ASSERT_EQ(Fixed(value, decimals), Printf(value, decimals)) << value;
    }
  }
  for (double value : {0.0, -0.0, 0.125, 2.5, -2.5, 1e300, -1.7976931348623157e308, 5e-324,
                       std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    ASSERT_EQ(Fixed(value, 7), Printf(value, 7)) << value;
  }
  EXPECT_EQ(Fixed(std::numeric_limits<double>::quiet_NaN(), 5), "nan");
  EXPECT_EQ(Fixed(-std::numeric_limits<double>::quiet_NaN(), 5), "-nan");
}

TEST(CNumberText, ParseDoubleMatchesStrtod) {
  for (const char* text : {"1.23455",  "  -0.00004", "+7",    "1e3",   "1E-3x",  ".5",
                           "5.",       "-.5e+2",     "abc",   "",      "-",      "+-1",
                           "--1",      "0x1p4",      "0x",    "0x.8",  "0xg",    "0x1",
                           "inf",      "-Infinity",  "nan",   "1e400", "-1e400", "1e-400",
                           "\t\n 12",  "12 34",      "1,5",   "0.1e",  "0.1e+",  "1.7976931348623157e308",
                           "4.9e-324", "00012.500",  "1e-320"}) {
    double expected = std::strtod(text, nullptr);
    double parsed = ParseDouble(text);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(parsed)) << text;
    } else {
      EXPECT_EQ(parsed, expected) << text;
      EXPECT_EQ(std::signbit(parsed), std::signbit(expected)) << text;
    }
  }
  std::mt19937_64 random(99);
  for (int i = 0; i < 20000; ++i) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", static_cast<int>(random() % 18) + 1,
                  std::ldexp(static_cast<double>(random() % 1000000) - 500000.0, static_cast<int>(random() % 80) - 40));
    ASSERT_EQ(ParseDouble(text), std::strtod(text, nullptr)) << text;
  }
}

TEST(CNumberText, ParseIntTakesLeadingDigitsAndSaturates) {
  EXPECT_EQ(ParseInt("42"), 42);
  EXPECT_EQ(ParseInt("  -17abc"), -17);
  EXPECT_EQ(ParseInt("+5"), 5);
  EXPECT_EQ(ParseInt("3.9"), 3);
  EXPECT_EQ(ParseInt("abc"), 0);
  EXPECT_EQ(ParseInt("- 5"), 0);
  EXPECT_EQ(ParseInt(""), 0);
  EXPECT_EQ(ParseInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt("2147483648"), 2147483647);
  EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseInt("-99999999999999999999"), -2147483647 - 1);
  char text[12];
  EXPECT_EQ(FormatInt(text, -2147483647 - 1), 11u);
  EXPECT_STREQ(text, "-2147483648");
}

}  // namespace
}  // namespace dxfelem
