// The bundled example drawing, converted with its own parameter file, gives
// the element file worked out by hand; the label's letters follow as closed
// outlines on its layer, whose digits the font decides.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

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
