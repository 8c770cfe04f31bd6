// Rewriting element files: the six operations worked out by hand, the
// reading of the format, and files that are never lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/element_lines.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

std::string Line(const char* code, const char* x, const char* y, const char* layer = "L",
                 const char* entity = "     1") {
  return test::ElementLine(code, entity, x, y, "0.000", "0.000", layer);
}

class Rewrite : public ::testing::Test {
 protected:
  int32_t Run(const std::string& input, int32_t operation, double a = 0.0, double b = 0.0, const char* layer = "L") {
    path_ = dir_.Write("e.txt", input);
    ini_ = dir_.Write("p.ini", "[P]\nDecimaliTxt=3\n");
    a_ = a;
    b_ = b;
    record_ = ConversionResult{};
    return TxtToTxt(ini_.c_str(), "P", path_.c_str(), dir_.File("done").c_str(), layer, operation, &a_, &b_, 0,
                    &record_);
  }
  std::string Output() const { return test::ReadFileBytes(path_); }

  test::TempDir dir_;
  std::string path_;
  std::string ini_;
  double a_ = 0.0;
  double b_ = 0.0;
  ConversionResult record_{};
};

const char kSegment[] = "INI,1,0,0,0,0,L,*\nFIN,1,10,0,0,0,L,*\n";

// The six operations on small element files (tests/data/rewrite: each case
// explained in its SOURCES.md).
TEST_F(Rewrite, EachOperationWorkedByHand) {
  const std::string data = DXFELEM_TEST_DATA "/rewrite/";
  std::istringstream cases(test::ReadFileBytes(data + "cases"));
  int count = 0;
  for (std::string line; std::getline(cases, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string input, a, b, layer, aAfter, bAfter, after;
    int operation = 0, returns = 0, code = 0;
    fields >> input >> operation >> a >> b >> layer >> returns >> code >> aAfter >> bAfter >> after;
    const std::string before = test::ReadFileBytes(data + input + ".in");
    EXPECT_EQ(Run(before, operation, std::stod(a), std::stod(b), layer.c_str()), returns) << line;
    EXPECT_EQ(record_.errorCode, code) << line;
    EXPECT_EQ(record_.status, 500 + code) << line;
    if (aAfter != "*") {
      EXPECT_NEAR(a_, std::stod(aAfter), 1e-6) << line;
    }
    if (bAfter != "*") {
      EXPECT_NEAR(b_, std::stod(bAfter), 1e-6) << line;
    }
    if (after != "*") {
      EXPECT_EQ(Output(), after == "-" ? before : test::ReadFileBytes(data + after + ".out")) << line;
    }
    EXPECT_EQ(test::ReadFileBytes(dir_.File("done")), "1") << line;
    ++count;
  }
  EXPECT_EQ(count, 20);
}

TEST_F(Rewrite, ReadingTheFormat) {
  // Tabs, padding, spaces inside names, missing fields, ITP and unknown codes,
  // lines after the last element's end, and other layers kept as they are.
  const std::string input =
      "INI,\t7,  1.5,2,3,4,MY LAYER ,A TAG\n"
      "FIN,7,2.5\n"
      "ITP,8,1,1,0,0,L,*\n"
      "XYZ,9,2,2,0,0,L,*\n"
      "APL,10,1,1,1,90,OTHER,BLOCK\n"
      "INI,11,0,0,0,0,L,*\n";
  ASSERT_EQ(Run(input, 7), 1);  // an unknown operation: code 19, file rewritten unchanged
  EXPECT_EQ(record_.errorCode, 19);
  EXPECT_EQ(record_.status, 519);
  EXPECT_EQ(Output(), test::ElementLine("INI", "     7", "1.500", "2.000", "3.000", "4.000", "*", "*") +
                          test::ElementLine("FIN", "     7", "2.500", "0.000", "0.000", "0.000", "*", "*") +
                          Line("ISO", "1.000", "1.000", "L", "     8") + Line("ISO", "2.000", "2.000", "L", "     9") +
                          test::ElementLine("APL", "    10", "1.000", "1.000", "1.000", "90.000", "OTHER", "BLOCK"));
  // The element takes layer and tag from its last line: "MYLAYER" is gone
  // because the FIN line has none. A name with spaces loses them.
  ASSERT_EQ(Run("ISO,1,0,0,0,0,MY LAYER,A TAG\n", 1, 1.0, 1.0, "MYLAYER"), 1);
  EXPECT_EQ(Output(), test::ElementLine("ISO", "     1", "0.000", "0.000", "0.000", "0.000", "MYLAYER", "ATAG"));
  // An empty file stays empty.
  ASSERT_EQ(Run("", 1, 1.0), 1);
  EXPECT_EQ(Output(), "");
}

TEST_F(Rewrite, RoundTripAndLimits) {
  // A file in the writer's own format, with DecimaliTxt 3, reads and writes back
  // byte for byte.
  const std::string original = Line("INI", "1.250", "-3.500") + Line("MED", "2.000", "0.000") +
                               Line("FIN", "1.000", "1.000") +
                               test::ElementLine("MCR", "     2", "5.000", "5.000", "0.000", "0.000", "H", "HINGE");
  ASSERT_EQ(Run(original, 1, 0.0, 0.0, "NONE"), 1);
  EXPECT_EQ(Output(), original);
  // At most 65536 elements are read; the rest is left out.
  std::string many;
  for (int i = 0; i < 65600; ++i) many += "ISO,1,0,0,0,0,L,*\n";
  ASSERT_EQ(Run(many, 1, 0.0, 0.0, "NONE"), 1);
  std::string output = Output();
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 65536);
  // A line of 10000 characters is read 255 at a time: 40 lines, each an
  // isolated point; binary garbage gives points too, and no crash.
  ASSERT_EQ(Run(std::string(10000, 'x') + "\n", 1, 0.0, 0.0, "NONE"), 1);
  output = Output();
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 40);
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
  EXPECT_EQ(Run(garbage, 2, 0.0, 1.0, "NONE"), 1);
}

TEST_F(Rewrite, TheElementFileIsNeverLost) {
  // A read-only element file is not replaced: code 8, its bytes intact.
  path_ = dir_.Write("e.txt", kSegment);
  chmod(path_.c_str(), 0444);
  ini_ = dir_.Write("p.ini", "[P]\n");
  double a = 5.0;
  double b = 5.0;
  record_ = ConversionResult{};
  EXPECT_EQ(TxtToTxt(ini_.c_str(), "P", path_.c_str(), "", "L", 3, &a, &b, 0, &record_), 0);
  EXPECT_EQ(record_.errorCode, 8);
  EXPECT_EQ(std::string(record_.fileName), path_);
  EXPECT_EQ(Output(), kSegment);
  // Nothing is left beside it.
  EXPECT_EQ(test::EntriesIn(dir_.path()), 2u);
}

}  // namespace
}  // namespace dxfelem
