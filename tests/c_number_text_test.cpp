// The locale-free number conversions give exactly what the C library gives
// in the "C" locale (this test program never changes its locale), and the
// line reader exactly the lines its fgets gives on a file opened in text
// mode on the hosts' system.
#include "platform/c_number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dxf/dxf_line_reader.h"
#include "platform/text_input_file.h"
#include "support/temp_dir.h"

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

std::vector<std::string> ReadAll(const std::string& path, std::size_t capacity) {
  TextInputFile file;
  EXPECT_TRUE(file.Open(path));
  std::vector<std::string> lines;
  std::string line(capacity, 'x');
  while (std::size_t n = file.ReadLine(line.data(), capacity)) {
    EXPECT_EQ(line[n], '\0');
    lines.emplace_back(line.data(), n);
  }
  return lines;
}

TEST(TextInputFile, LineEndsAreTranslatedLikeTextMode) {
  test::TempDir dir;
  // CRLF becomes LF, a lone CR stays, a CR just before the end stays, and the
  // last line needs no line end.
  auto path = dir.Write("a.txt", "one\r\ntwo\nthr\ree\r\r\nfour\r");
  std::vector<std::string> expected{"one\n", "two\n", "thr\ree\r\n", "four\r"};
  EXPECT_EQ(ReadAll(path, 256), expected);
}

TEST(TextInputFile, LongLinesAreCutAtTheBufferSize) {
  test::TempDir dir;
  auto path = dir.Write("a.txt", "abcdefgh\r\nij\n");
  // Capacity 4 holds three characters: the rest of the line comes next.
  std::vector<std::string> expected{"abc", "def", "gh\n", "ij\n"};
  EXPECT_EQ(ReadAll(path, 4), expected);
  // A CRLF arriving when only one character fits is one line end.
  path = dir.Write("b.txt", "ab\r\ncd");
  expected = {"ab\n", "cd"};
  EXPECT_EQ(ReadAll(path, 4), expected);
}

TEST(TextInputFile, CtrlZEndsTheFile) {
  test::TempDir dir;
  const char bytes[] = "0\nEOF\n\x1a junk\nmore\n";
  auto path = dir.Write("a.txt", std::string(bytes, sizeof bytes - 1));
  std::vector<std::string> expected{"0\n", "EOF\n"};
  EXPECT_EQ(ReadAll(path, 256), expected);
}

TEST(TextInputFile, CrLfAcrossTheInternalBufferBoundary) {
  test::TempDir dir;
  // Put a CR at every position around the 64 KiB block edge in turn.
  for (std::size_t at = 65533; at <= 65537; ++at) {
    std::string bytes(at, 'a');
    bytes += "\r\nb\n";
    auto lines = ReadAll(dir.Write("a.txt", bytes), 1 << 20);
    ASSERT_EQ(lines.size(), 2u) << at;
    EXPECT_EQ(lines[0], std::string(at, 'a') + "\n") << at;
    EXPECT_EQ(lines[1], "b\n") << at;
  }
}

// The lines taken in place from the buffer are the lines ReadLine copies,
// to the byte, for every way a line can end or be cut; DxfLineReader takes
// them in place where it can, and its thread reading ahead hands the same
// lines over in batches (filled by bytes and by lines, used again in turn).
TEST(TextInputFile, LinesReadInPlaceAndAheadAreTheLinesReadLineGives) {
  test::TempDir dir;
  std::string text = "0\r\nLINE\n8\nA\rB\n\r\n\n10\n1.5\r\r\n";
  text += std::string("with a ") + '\0' + " NUL\r\n";
  // NUL bytes everywhere in and around the eight-byte words a line is read by.
  for (std::size_t at = 0; at < 18; ++at) {
    text += std::string(at, 'x') + '\0' + std::string(at % 5, 'y') + "\n" + '\0' + "z\n";
  }
  for (const std::size_t length : {253, 254, 255, 256}) {
    text += std::string(length, 'a') + "\n";
    text += std::string(length, 'b') + "\r\n";
  }
  // Lines across the 64 KiB buffer's end, a CR LF split by it.
  while (text.size() < 65536 - 3) text += "12\r\n";
  text += "ab\r\ncd\r\n";
  // Batches full of bytes, then of lines, more of them than are kept in turn.
  for (int i = 0; i < 4000; ++i) text += std::string(200 + i % 60, static_cast<char>('c' + i % 20)) + "\n";
  for (int i = 0; i < 150000; ++i) text += std::to_string(i % 1000) + "\n";
  text += "last";  // without a line end
  const std::string path = dir.Write("lines.txt", text);

  std::vector<std::string> expected;
  for (std::string line : ReadAll(path, 256)) {
    line = line.substr(0, line.find('\0'));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    expected.push_back(line);
  }
  EXPECT_EQ(expected[3], "A\rB");
  EXPECT_EQ(expected[7], "1.5\r");
  EXPECT_EQ(expected[8], "with a ");
  EXPECT_EQ(expected.back(), "last");
  for (const bool ahead : {false, true}) {
    SCOPED_TRACE(ahead ? "read ahead" : "read in place");
    TextInputFile file;
    ASSERT_TRUE(file.Open(path));
    DxfLineReader reader(file);
    if (ahead) reader.ReadAhead();
    std::vector<std::string> read;
    std::string_view line;
    while (reader.ReadLine(line)) read.emplace_back(line);
    EXPECT_EQ(read, expected);
    EXPECT_EQ(reader.LineNumber(), static_cast<long long>(expected.size()));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine(line));
  }
  // A reader left after a few lines stops its thread, which waits with
  // every batch full.
  TextInputFile file;
  ASSERT_TRUE(file.Open(path));
  auto reader = std::make_unique<DxfLineReader>(file);
  reader->ReadAhead();
  std::string_view line;
  ASSERT_TRUE(reader->ReadLine(line));
  EXPECT_EQ(line, "0");
  reader.reset();
}

TEST(TextInputFile, RewindStartsAgainAndMissingFilesDoNotOpen) {
  test::TempDir dir;
  TextInputFile file;
  EXPECT_FALSE(file.Open(dir.File("missing.txt")));
  EXPECT_FALSE(file.Rewind());
  char line[16];
  EXPECT_EQ(file.ReadLine(line, sizeof line), 0u);

  ASSERT_TRUE(file.Open(dir.Write("a.txt", "x\ny\n")));
  while (file.ReadLine(line, sizeof line) != 0) {
  }
  ASSERT_TRUE(file.Rewind());
  ASSERT_EQ(file.ReadLine(line, sizeof line), 2u);
  EXPECT_STREQ(line, "x\n");
}

}  // namespace
}  // namespace dxfelem
