// The picture of an element file: arcs through their middle point with the
// right radius, sweep and size, and a whole preview that renders; the
// element file as a plain DXF (dxfelem todxf), read back with ezdxf
// (Debian's python3-ezdxf), the same geometry within 1e-6.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "picture/svg_preview.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

using test::Contains;

TEST(Preview, ArcsThroughTheirMiddlePoint) {
  const double h = std::sqrt(0.5) * 10;
  // On the page y points down: from 0 through 45 to 90 degrees grows the
  // angle, clockwise on screen (SVG's sweep 1), a quarter: not large.
  EXPECT_EQ(ArcCommand(10, 0, h, h, 0, 10), "A 10.000 10.000 0 0 1 0.000 10.000");
  // From 0 back through -90 to 90: three quarters the other way.
  EXPECT_EQ(ArcCommand(10, 0, 0, -10, 0, 10), "A 10.000 10.000 0 1 0 0.000 10.000");
  // A half circle through the top, and three points on a line.
  EXPECT_EQ(ArcCommand(10, 0, 0, -10, -10, 0), "A 10.000 10.000 0 0 0 -10.000 0.000");
  EXPECT_EQ(ArcCommand(0, 0, 1, 1, 2, 2), "L 2.000 2.000");
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

// An element line with the fields the reader takes.
std::string ElementLine(const std::string& code, const std::string& x, const std::string& y, const std::string& layer,
                        const std::string& tag = "*") {
  return code + ",     1," + x + "," + y + ",0,0," + layer + "," + tag + "\r\n";
}

bool IsWellFormedXml(const std::string& path) {
  return std::system(("/usr/bin/python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' " +
                      test::Quoted(path) + " 2>/dev/null")
                         .c_str()) == 0;
}

// preview and todxf refuse what is not an element file (--force draws what
// can be read), leave out nodes no drawing can hold, and give a picture
// that is well-formed XML and a DXF that ezdxf reads whatever the names
// hold: markup, quotes, control characters, bytes that are not UTF-8.
TEST(Preview, AnyFileAndAnyNameGiveAPictureAndADxfThatRead) {
  test::TempDir dir;
  const std::string noise = dir.Write("noise.txt", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + "random");
  for (const std::string command : {"preview", "todxf"}) {
    test::ToolRun run = test::RunTool(command + " " + test::Quoted(noise));
    EXPECT_EQ(run.exitStatus, 1) << command;
    EXPECT_TRUE(Contains(run.err, noise + " is not an element file: line 1 ")) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(test::RunTool(command + " " + test::Quoted(noise) + " --force").exitStatus, 0) << command;
  }

  const std::string hostile = "a<b>&\"c\\d:e;f=g|h\x01i\xff\xfej\xc3\xa4";
  const std::string elements =
      dir.Write("e.txt", ElementLine("INI", "0", "0", hostile) + ElementLine("FIN", "10", "0", hostile) +
                             ElementLine("INI", "nan", "0", "L") + ElementLine("FIN", "inf", "-inf", "L") +
                             ElementLine("ISO", "1e308", "0", "L") + ElementLine("ISO", "5", "5", "L") +
                             ElementLine("MCR", "1", "1", "M", "BLOCK<1>") + ElementLine("APL", "1", "1", "M"));
  const std::string svg = dir.File("e.svg");
  test::ToolRun run = test::RunTool("preview " + test::Quoted(elements) + " -o " + test::Quoted(svg));
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "3 nodes of " + elements + " are left out")) << run.err;
  const std::string picture = test::ReadFileBytes(svg);
  EXPECT_FALSE(Contains(picture, "nan") || Contains(picture, "inf") || Contains(picture, "e+")) << picture;
  EXPECT_TRUE(IsWellFormedXml(svg)) << picture;

  const std::string dxf = dir.File("e.dxf");
  run = test::RunTool("todxf " + test::Quoted(elements) + " -o " + test::Quoted(dxf));
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "layer " + hostile + " is named a_b_&_c_d_e_f_g_h_i\xff\xfej\xc3\xa4 in the DXF"))
      << run.err;
  EXPECT_TRUE(Contains(run.err, "block BLOCK<1> is named BLOCK_1_")) << run.err;
  EXPECT_FALSE(Contains(test::ReadFileBytes(dxf), "nan") || Contains(test::ReadFileBytes(dxf), "inf"));
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ezdxf (python3-ezdxf) is not installed: the DXF was not read back";
  }
  const std::string check =
      "/usr/bin/python3 -c 'import sys, ezdxf; from ezdxf.lldxf import validator; d = ezdxf.readfile(sys.argv[1]); "
      "names = [e.dxf.layer for e in d.modelspace()] + [e.dxf.name for e in d.modelspace().query(\"INSERT\")]; "
      "sys.exit(0 if len(names) == 4 and all(validator.is_valid_layer_name(n) for n in names) else 1)' " +
      test::Quoted(dxf);
  EXPECT_EQ(std::system(check.c_str()), 0) << test::ReadFileBytes(dxf);
}

TEST(ToDxf, TheElementFilesGeometryReadsBackWithEzdxf) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ezdxf (python3-ezdxf) is not installed: the DXF was not read back";
  }
  test::TempDir dir;
  const std::string ini = dir.File("p.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  for (const std::string& drawing : {std::string(DXFELEM_SOURCE_DIR "/examples/panel.dxf"),
                                     std::string(DXFELEM_TEST_DATA "/corpus/r2004-inches-bulges.dxf"),
                                     std::string(DXFELEM_TEST_DATA "/corpus/r13-duplicate-handles-dos850.dxf")}) {
    const std::string elements = dir.File("e.txt");
    const std::string dxf = dir.File("e.dxf");
    ASSERT_EQ(test::RunTool("convert " + test::Quoted(drawing) + " " + test::Quoted(elements) + " --params " +
                            test::Quoted(ini) + " --section Panel")
                  .exitStatus,
              0)
        << drawing;
    test::ToolRun run = test::RunTool("todxf " + test::Quoted(elements) + " -o " + test::Quoted(dxf));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::string check = "/usr/bin/python3 " + test::Quoted(DXFELEM_SOURCE_DIR "/tests/support/check_todxf.py") +
                              " " + test::Quoted(elements) + " " + test::Quoted(dxf);
    std::FILE* pipe = popen(check.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_TRUE(read && std::string(line).rfind("same ", 0) == 0 && status == 0) << drawing << ": " << line;
  }
}

}  // namespace
}  // namespace dxfelem
