// Drawings whose element files were worked out by hand (tests/data/worked,
// each rule explained in its SOURCES.md), converted as the hosts convert
// them and compared byte for byte; the bundled example drawing with its own
// parameter file, whose label's letters follow as closed outlines on its
// layer (the font decides their digits).
#include <gtest/gtest.h>

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

TEST(ExampleDrawing, ConvertsToTheHandWorkedElementFile) {
  test::TempDir dir;
  const std::string ini = dir.File("panel.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  const std::string out = dir.File("panel.txt");
  ConversionResult record{};
  ASSERT_EQ(DxfToTxt(ini.c_str(), "Panel", DXFELEM_SOURCE_DIR "/examples/panel.dxf", out.c_str(), "", &record), 1)
      << record.errorCode;
  // The shapes (tests/data/worked/SOURCES.md tells how each was worked out).
  const std::string expected = test::ReadFileBytes(DXFELEM_TEST_DATA "/worked/example-panel-shapes.txt");
  ASSERT_EQ(expected.size(), 20 * 194u);
  const std::string written = test::ReadFileBytes(out);
  ASSERT_EQ(written.substr(0, expected.size()), expected);
  // "DXFELEM": one closed outline per letter, and the D's counter.
  const std::string label = written.substr(expected.size());
  std::size_t profiles = 0;
  for (std::size_t at = 0; at < label.size(); at = label.find('\n', at) + 1) {
    const std::string code = label.substr(at, 3);
    EXPECT_TRUE(code == "INI" || code == "VER" || code == "MED" || code == "FIN") << code;
    EXPECT_EQ(label.compare(at + 63, 10, "LABELSide1"), 0) << label.substr(at, 80);
    profiles += code == "INI";
  }
  EXPECT_EQ(profiles, 8u);
}

}  // namespace
}  // namespace dxfelem
