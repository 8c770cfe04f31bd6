// Drawings whose element files were worked out by hand (tests/data/worked,
// each rule explained in its SOURCES.md; the bundled example's in
// tests/data/transcripts/conversions.t), converted as the hosts convert
// them and compared byte for byte; and real drawings saved by CAD programs
// and devices, each with its defined outcome, none crashing or hanging.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(WorkedDrawings, EachGivesItsElementFileByteForByte) {
  const std::vector<std::string> drawings = test::DrawingsIn(DXFELEM_TEST_DATA "/worked");
  for (const std::string& drawing : drawings) {
    test::TempDir dir;
    const std::string ini = dir.Write("p.ini", test::ReadFileBytes(drawing + ".ini"));
    ConversionResult record{};
    EXPECT_EQ(DxfToTxt(ini.c_str(), "P", (drawing + ".dxf").c_str(), dir.File("a.txt").c_str(), "", &record), 1)
        << drawing << ": code " << record.errorCode;
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.txt")), test::ReadFileBytes(drawing + ".txt")) << drawing;
  }
  EXPECT_GE(drawings.size(), 13u);
}

struct Expected {
  const char* file;
  int32_t errorCode;
  long nodes;  // -1: not worked out
};

// Node counts follow from the entity counts of SOURCES.md with the built-in
// settings and no text (every layer taken, RadiusMin 0, no block named, no
// chaining, Testo 0, as the counts of the texts depend on the font): a LINE is two
// nodes, a POINT one, a CIRCLE a three-node full arc, a 3DFACE a closed path
// of five, a polyline without bulges one node per vertex (and one more to
// close it). -1: only the outcome is checked, where the
// count depends on the curve sampling (the partial ellipses are pinned by
// ShortenedEllipseArcsOfARealDrawing, the bulges by the polyline tests).
const Expected kExpected[] = {
    {"r12-all-polyline-types.dxf", 0, 5},         // 1 3DFACE; the polylines' extrusion is oblique
    {"r12-cad-export-lines.dxf", 0, 904},         // 452 LINE
    {"r12-junk-after-eof.dxf", 0, 3},             // 1 CIRCLE, then junk after EOF
    {"r12-laser-meter-points-texts.dxf", 0, 31},  // 11 POINT, 10 LINE
    {"r13-duplicate-handles-dos850.dxf", 0, -1},  // 111 LINE and partial ELLIPSEs
    {"r2000-architecture-metres.dxf", 0, -1},     // 628 LINE, 18 CIRCLE, 9 ARC, 4 POINT, 1 LWPOLYLINE
    {"r2000-dxflib-writer.dxf", 0, -1},           // 13 LINE, 13 LWPOLYLINE
    // Four polyface meshes (flag 64) and nothing else: meshes make nothing.
    {"r2000-polyface-inches.dxf", 41, -1},
    {"r2004-inches-bulges.dxf", 0, -1},                       // 14 LWPOLYLINE with bulges
    {"r2007-blocks-mtext.dxf", 0, -1},                        // 1 LINE, 1 LWPOLYLINE
    {"r2013-nested-inserts.dxf", 0, -1},                      // 6 LWPOLYLINE
    {"r2018-text-mtext-attrib-extrusion-minus1.dxf", 0, -1},  // 47 LINE, 78 LWPOLYLINE
};

long CountLines(const std::string& text) { return static_cast<long>(std::count(text.begin(), text.end(), '\n')); }

TEST(Corpus, EveryRealDrawingConvertsToADefinedOutcome) {
  test::TempDir dir;
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/corpus")) {
    if (entry.path().extension() == ".dxf") ++files;
  }
  EXPECT_EQ(files, std::size(kExpected));
  const std::string ini = dir.Write("p.ini", "[C]\nTesto=0\nConnect=0\n");
  for (const Expected& expected : kExpected) {
    const std::string dxf = std::string(DXFELEM_TEST_DATA "/corpus/") + expected.file;
    const std::string out = dir.File("out.txt");
    const std::string done = dir.File("done.txt");
    std::filesystem::remove(done);
    std::filesystem::remove(out);
    ConversionResult record{};
    const int32_t returned = DxfToTxt(ini.c_str(), "C", dxf.c_str(), out.c_str(), done.c_str(), &record);
    EXPECT_EQ(returned, expected.errorCode == 0 ? 1 : 0) << expected.file;
    EXPECT_EQ(record.errorCode, expected.errorCode) << expected.file;
    EXPECT_EQ(test::ReadFileBytes(done), "1") << expected.file;
    if (expected.nodes >= 0) {
      EXPECT_EQ(CountLines(test::ReadFileBytes(out)), expected.nodes) << expected.file;
    }
  }
}

// A partial ellipse of a real drawing: the last arc of entity 107 is cut at
// the ellipse's start point, and its middle point lies on the circle
// through the sample points of its group.
TEST(Corpus, ShortenedEllipseArcsOfARealDrawing) {
  test::TempDir dir;
  const std::string dxf = DXFELEM_TEST_DATA "/corpus/r13-duplicate-handles-dos850.dxf";
  const std::string ini = dir.Write("p.ini", "[S]\nTesto=0\nConnect=0\nDecimaliTxt=7\n");
  const std::string out = dir.File("out.txt");
  ConversionResult record{};
  ASSERT_EQ(DxfToTxt(ini.c_str(), "S", dxf.c_str(), out.c_str(), "", &record), 1);
  const std::string text = test::ReadFileBytes(out);
  // Each arc of the ellipse is an element of its own, all with number 107.
  const std::size_t med = text.rfind("MED,   107,");
  ASSERT_NE(med, std::string::npos);
  EXPECT_EQ(text.substr(med, 35), "MED,   107,-51.7926020 ,-24.2040140");
}

}  // namespace
}  // namespace dxfelem
