// The bundled example drawing, converted with its own parameter file, gives
// the element file worked out by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/element_lines.h"

namespace dxfelem {
namespace {

std::string Line(const char* code, const char* entity, const char* x, const char* y, const char* value,
                 const std::string& layer, const char* z = "0.000", const std::string& tag = "*") {
  return test::ElementLine(code, entity, x, y, z, value, layer, tag);
}

TEST(ExampleDrawing, ConvertsToTheHandWorkedElementFile) {
  test::TempDir dir;
  const std::string ini = dir.File("panel.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  const std::string out = dir.File("panel.txt");
  ConversionResult record{};
  ASSERT_EQ(DxfToTxt(ini.c_str(), "Panel", DXFELEM_SOURCE_DIR "/examples/panel.dxf", out.c_str(), "", &record), 1)
      << record.errorCode;
  const std::string panel = "PANELSide1";
  const std::string groove = "GROOVESide1";
  const std::string holes = "HOLESSide1";
  // DecimaliTxt 3: numbers rounded to two decimals, written with three.
  // The panel outline is one closed path; its corner of bulge tan 22.5
  // degrees from (560, 0) to (600, 40) is a quarter circle of radius 40
  // about (560, 40), through (560 + 40 cos 45, 40 - 40 sin 45) =
  // (588.284, 11.716), written 588.280 and 11.720. The groove's arc about (450, 300), radius 50, from 0 to 90 degrees
  // has its middle at 450 + 50 cos 45 = 485.355 (485.36); its end's x, 450 + 50 cos 1.5707963268, is a hair below 450
  // and rounds to it. Connect 1 joins the groove: the line takes the arc turned round (end to end), then the second
  // line (end to start); every node keeps the number of the entity it came from, the joints those of the earlier piece.
  // Circles up to RadiusMin 5 are holes; the bore of radius 20 is a full
  // arc. The hinge block is named by McrBlock1: a macro element at the
  // insertion point and a placement element with the scale factors (the
  // missing z scale is 1) and the rotation, both with one number. The
  // label's letters follow: closed outlines on its layer, whose digits the
  // font decides.
  const std::string expected = Line("INI", "     1", "0.000", "0.000", "0.000", panel) +
                               Line("VER", "     1", "560.000", "0.000", "0.000", panel) +
                               Line("MED", "     1", "588.280", "11.720", "0.000", panel) +
                               Line("VER", "     1", "600.000", "40.000", "0.000", panel) +
                               Line("VER", "     1", "600.000", "400.000", "0.000", panel) +
                               Line("VER", "     1", "0.000", "400.000", "0.000", panel) +
                               Line("FIN", "     1", "0.000", "0.000", "0.000", panel) +
                               Line("INI", "     2", "50.000", "350.000", "0.000", groove) +
                               Line("VER", "     2", "450.000", "350.000", "0.000", groove) +
                               Line("MED", "     3", "485.360", "335.360", "0.000", groove) +
                               Line("VER", "     3", "500.000", "300.000", "0.000", groove) +
                               Line("FIN", "     4", "500.000", "100.000", "0.000", groove) +
                               Line("ISO", "     5", "37.000", "60.000", "2.500", holes) +
                               Line("ISO", "     6", "69.000", "60.000", "2.500", holes) +
                               Line("ISO", "     7", "101.000", "60.000", "2.500", holes) +
                               Line("INI", "     8", "280.000", "200.000", "0.000", holes) +
                               Line("MED", "     8", "320.000", "200.000", "0.000", holes) +
                               Line("FIN", "     8", "280.000", "200.000", "0.000", holes) +
                               Line("MCR", "     9", "22.500", "300.000", "0.000", holes, "0.000", "HINGE") +
                               Line("APL", "     9", "1.000", "1.000", "0.000", holes, "1.000", "HINGE");
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
