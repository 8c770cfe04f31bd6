// Real drawings saved by CAD programs and devices, through the whole
// conversion: each has a defined outcome, and none crashes or hangs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

struct Expected {
  const char* file;
  int32_t errorCode;
  long nodes;  // -1: not worked out
};

// Node counts follow from the entity counts of SOURCES.md with the built-in
// settings (every layer taken, RadiusMin 0): a LINE is two nodes, a POINT
// one, a CIRCLE a three-node full arc, a 3DFACE a closed path of five.
// Entities that are not converted yet (polylines, inserts, texts) add none.
const Expected kExpected[] = {
    {"r12-all-polyline-types.dxf", 0, 5},          // 1 3DFACE
    {"r12-cad-export-lines.dxf", 0, 904},          // 452 LINE
    {"r12-junk-after-eof.dxf", 0, 3},              // 1 CIRCLE, then junk after EOF
    {"r12-laser-meter-points-texts.dxf", 0, 31},   // 11 POINT, 10 LINE
    {"r13-duplicate-handles-dos850.dxf", 0, -1},   // 111 LINE and partial ELLIPSEs
    {"r2000-architecture-metres.dxf", 0, 1341},    // 628 LINE, 18 CIRCLE, 9 ARC, 4 POINT
    {"r2000-dxflib-writer.dxf", 0, 26},            // 13 LINE
    {"r2000-polyface-inches.dxf", 41, 0},          // polyface meshes only
    {"r2004-inches-bulges.dxf", 41, 0},            // lightweight polylines only
    {"r2007-blocks-mtext.dxf", 0, 2},              // 1 LINE
    {"r2013-nested-inserts.dxf", 41, 0},           // inserts, texts, polylines
    {"r2018-text-mtext-attrib-extrusion-minus1.dxf", 0, 94},  // 47 LINE
};

long CountLines(const std::string& text) { return static_cast<long>(std::count(text.begin(), text.end(), '\n')); }

TEST(Corpus, EveryRealDrawingConvertsToADefinedOutcome) {
  test::TempDir dir;
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/corpus")) {
    if (entry.path().extension() == ".dxf") ++files;
  }
  EXPECT_EQ(files, std::size(kExpected));
  for (const Expected& expected : kExpected) {
    const std::string dxf = std::string(DXFELEM_TEST_DATA "/corpus/") + expected.file;
    const std::string out = dir.File("out.txt");
    const std::string done = dir.File("done.txt");
    std::filesystem::remove(done);
    std::filesystem::remove(out);
    ConversionResult record{};
    const int32_t returned = DxfToTxt("", "", dxf.c_str(), out.c_str(), done.c_str(), &record);
    EXPECT_EQ(returned, expected.errorCode == 0 ? 1 : 0) << expected.file;
    EXPECT_EQ(record.errorCode, expected.errorCode) << expected.file;
    EXPECT_EQ(test::ReadFileBytes(done), "1") << expected.file;
    if (expected.nodes >= 0) {
      EXPECT_EQ(CountLines(test::ReadFileBytes(out)), expected.nodes) << expected.file;
    }
  }
}

}  // namespace
}  // namespace dxfelem
