// Rewriting element files: the six operations worked out by hand, the
// reading of the format, and files that are never lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/element_lines.h"

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
// A quarter circle about the origin, counter-clockwise from (10, 0) to (0, 10).
const char kArc[] = "INI,2,10,0,0,0,L,*\nMED,2,7.0710678,7.0710678,0,0,L,*\nFIN,2,0,10,0,0,L,*\n";

TEST_F(Rewrite, ExtendingLinesAndArcs) {
  ASSERT_EQ(Run(kSegment, 2, 0.0, 5.0), 1);
  EXPECT_EQ(record_.status, 500);
  EXPECT_EQ(Output(), Line("INI", "0.000", "0.000") + Line("VER", "10.000", "0.000") + Line("FIN", "15.000", "0.000"));
  ASSERT_EQ(Run(kSegment, 1, 5.0), 1);
  EXPECT_EQ(Output(), Line("INI", "-5.000", "0.000") + Line("VER", "0.000", "0.000") + Line("FIN", "10.000", "0.000"));
  ASSERT_EQ(Run(kSegment, 3, 1.0, 2.0), 1);
  EXPECT_EQ(Output(), Line("INI", "-1.000", "0.000") + Line("VER", "0.000", "0.000") + Line("VER", "10.000", "0.000") +
                          Line("FIN", "12.000", "0.000"));
  // Up to the single-precision 1e-5 (9.999999747e-6) nothing changes; the
  // double 0.00001 lies above it and extends.
  ASSERT_EQ(Run(kSegment, 1, 9.999999e-6), 1);
  EXPECT_EQ(Output(), Line("INI", "0.000", "0.000") + Line("FIN", "10.000", "0.000"));
  ASSERT_EQ(Run(kSegment, 1, 0.00001), 1);
  EXPECT_EQ(Output(), Line("INI", "0.000", "0.000") + Line("VER", "0.000", "0.000") + Line("FIN", "10.000", "0.000"));

  // An arc goes on along its tangent: at (0, 10) it runs towards -x, and at
  // (10, 0) it came from -y.
  ASSERT_EQ(Run(kArc, 3, 5.0, 5.0), 1);
  EXPECT_EQ(Output(), Line("INI", "10.000", "-5.000", "L", "     2") + Line("VER", "10.000", "0.000", "L", "     2") +
                          Line("MED", "7.070", "7.070", "L", "     2") + Line("VER", "0.000", "10.000", "L", "     2") +
                          Line("FIN", "-5.000", "10.000", "L", "     2"));
}

TEST_F(Rewrite, DirectionsAtStartAndEnd) {
  ASSERT_EQ(Run("INI,1,0,0,0,0,L,*\nFIN,1,0,10,0,0,L,*\n", 4, 7.0, 7.0), 1);
  EXPECT_EQ(a_, 90.0);
  EXPECT_EQ(b_, 90.0);
  // The arc: the radius at the point, a quarter turn on counter-clockwise.
  ASSERT_EQ(Run(kArc, 4), 1);
  EXPECT_NEAR(a_, 90.0, 1e-6);
  EXPECT_NEAR(b_, 180.0, 1e-6);
  // A half circle clockwise from (-10, 0) over (0, 10) to (10, 0): the
  // radius at the start points to 180 degrees, at the end to 0.
  ASSERT_EQ(Run("INI,2,-10,0,0,0,L,*\nMED,2,0,10,0,0,L,*\nFIN,2,10,0,0,0,L,*\n", 4), 1);
  EXPECT_EQ(a_, 90.0);
  EXPECT_EQ(b_, 270.0);
  // A closed square: the last piece runs down the left side; the values of
  // the last element on the layer stay.
  ASSERT_EQ(Run(std::string(kSegment) + "INI,3,0,0,0,0,L,*\nVER,3,10,0,0,0,L,*\nVER,3,10,10,0,0,L,*\n"
                                        "VER,3,0,10,0,0,L,*\nFIN,3,0,0,0,0,L,*\n",
                4),
            1);
  EXPECT_EQ(a_, 0.0);
  EXPECT_EQ(b_, 270.0);
  // No element on the layer: the caller's values stay.
  ASSERT_EQ(Run(kSegment, 4, 7.0, 8.0, "OTHER"), 1);
  EXPECT_EQ(a_, 7.0);
  EXPECT_EQ(b_, 8.0);
  // A single node that is not a point has no pieces: zeros.
  ASSERT_EQ(Run("MCR,4,1,2,0,0,L,HINGE\n", 4, 7.0, 8.0), 1);
  EXPECT_EQ(a_, 0.0);
  EXPECT_EQ(b_, 0.0);
  // An isolated point on the layer fails the call; the file stays as it was.
  const std::string input = std::string(kSegment) + "ISO,5,1,1,0,2.5,L,*\n";
  ASSERT_EQ(Run(input, 4), 0);
  EXPECT_EQ(record_.errorCode, 49);
  EXPECT_EQ(record_.status, 549);
  EXPECT_EQ(Output(), input);
  EXPECT_EQ(test::ReadFileBytes(dir_.File("done")), "1");
}

TEST_F(Rewrite, LeadArcs) {
  // Lead-out from (10, 0), running +x, to (10, 10): the half circle about
  // (10, 5) through (15, 5).
  ASSERT_EQ(Run(kSegment, 6, 0.0, 10.0), 1);
  EXPECT_EQ(Output(), Line("INI", "0.000", "0.000") + Line("VER", "10.000", "0.000") + Line("MED", "15.000", "5.000") +
                          Line("FIN", "10.000", "10.000"));
  // Lead-in from (-10, -10) to the start (0, 0), arriving along +x: a
  // quarter circle about (0, -10) through (-7.071, -2.929).
  ASSERT_EQ(Run(kSegment, 5, -10.0, -10.0), 1);
  EXPECT_EQ(Output(), Line("INI", "-10.000", "-10.000") + Line("MED", "-7.070", "-2.930") +
                          Line("VER", "0.000", "0.000") + Line("FIN", "10.000", "0.000"));
  // A point on the tangent makes no circle: the call fails, the file stays.
  ASSERT_EQ(Run(kSegment, 6, 5.0, 0.0), 0);
  EXPECT_EQ(record_.errorCode, 49);
  EXPECT_EQ(Output(), kSegment);
  // Offsets of no more than 1e-5 or NaN, and points: nothing happens.
  ASSERT_EQ(Run(kSegment, 6, 9e-6, NAN), 1);
  EXPECT_EQ(Output(), Line("INI", "0.000", "0.000") + Line("FIN", "10.000", "0.000"));
  // One usable offset and a NaN: no circle can be found, the call fails.
  ASSERT_EQ(Run(kSegment, 6, 5.0, NAN), 0);
  EXPECT_EQ(record_.errorCode, 49);
  ASSERT_EQ(Run("ISO,1,5,5,0,1,L,*\n", 5, 3.0, 3.0), 1);
  EXPECT_EQ(Output(), test::ElementLine("ISO", "     1", "5.000", "5.000", "0.000", "1.000", "L"));
  // An offset so large that the circle is lost fails instead of writing it.
  ASSERT_EQ(Run(kSegment, 6, 1e300, 1e300), 0);
  EXPECT_EQ(record_.errorCode, 49);
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
