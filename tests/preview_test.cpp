// The picture of an element file: arcs through their middle point with the
// right radius, sweep and size, and a whole preview that renders.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/svg_preview.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Preview, ArcsThroughTheirMiddlePoint) {
  const double h = std::sqrt(0.5) * 10;
  // On the page y points down: from 0 through 45 to 90 degrees grows the
  // angle, clockwise on screen (SVG's sweep 1), a quarter: not large.
  EXPECT_EQ(cli::ArcCommand(10, 0, h, h, 0, 10), "A 10.000 10.000 0 0 1 0.000 10.000");
  // From 0 back through -90 to 90: three quarters the other way.
  EXPECT_EQ(cli::ArcCommand(10, 0, 0, -10, 0, 10), "A 10.000 10.000 0 1 0 0.000 10.000");
  // A half circle through the top, and three points on a line.
  EXPECT_EQ(cli::ArcCommand(10, 0, 0, -10, -10, 0), "A 10.000 10.000 0 0 0 -10.000 0.000");
  EXPECT_EQ(cli::ArcCommand(0, 0, 1, 1, 2, 2), "L 2.000 2.000");
}

TEST(Preview, TheExampleIsDrawnInItsLayersColours) {
  test::TempDir dir;
  const std::string ini = dir.File("panel.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  const std::string out = dir.File("panel.txt");
  const std::string svg = dir.File("panel.svg");
  test::ToolRun run =
      test::RunTool("convert " + test::Quoted(DXFELEM_SOURCE_DIR "/examples/panel.dxf") + " " + test::Quoted(out) +
                    " --params " + test::Quoted(ini) + " --section Panel --preview " + test::Quoted(svg));
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::string picture = test::ReadFileBytes(svg);
  // The legend names every layer with its elements; the panel's rounded
  // corner is an arc of radius 40 (scaled to the page), the groove open
  // (dashed), holes circles, the hinge labelled.
  EXPECT_TRUE(Contains(picture, "PANELSide1  1")) << picture.substr(0, 400);
  EXPECT_TRUE(Contains(picture, "HOLESSide1  6"));
  EXPECT_TRUE(Contains(picture, "LABELSide1  8"));
  // 40 units at 1000 / 600 pixels a unit, counter-clockwise in the drawing:
  // sweep 0 on the page (the middle point is written to two decimals).
  EXPECT_TRUE(Contains(picture, "A 66.69")) << picture;
  EXPECT_TRUE(Contains(picture, " 0 0 0 "));
  EXPECT_TRUE(Contains(picture, "stroke-dasharray"));
  EXPECT_TRUE(Contains(picture, "<circle"));
  EXPECT_TRUE(Contains(picture, "MCR HINGE"));
  // Standard output for a pipe.
  run = test::RunTool("preview " + test::Quoted(out));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, picture);
  EXPECT_EQ(test::RunTool("preview " + test::Quoted(dir.File("missing.txt"))).exitStatus, 1);

  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed: the SVG was not rendered";
  }
  const std::string png = dir.File("panel.png");
  ASSERT_EQ(std::system(("rsvg-convert " + test::Quoted(svg) + " -o " + test::Quoted(png)).c_str()), 0);
  EXPECT_GT(std::filesystem::file_size(png), 5000u);
}

}  // namespace
}  // namespace dxfelem
