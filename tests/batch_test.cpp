// A batch of conversions: each drawing converted in a process of its own,
// two at once; broken drawings fail alone, named, and the run says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Batch, EveryGoodDrawingIsConvertedAndEveryBrokenOneNamed) {
  test::TempDir dir;
  std::string drawings;
  for (int i = 0; i < 18; ++i) {
    const std::string name = "part" + std::to_string(i) + ".dxf";
    dir.Write(name, "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n" + std::to_string(i + 1) + "\n0\nENDSEC\n0\nEOF\n");
    drawings += " " + test::Quoted(dir.File(name));
  }
  drawings += " " + test::Quoted(dir.Write("notes.dxf", "just notes\n"));
  drawings += " " + test::Quoted(dir.Write("cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n"));
  const std::string ini = dir.Write("p.ini", "[P]\nConnect=0\nDecimaliTxt=3\n");
  const std::string out = dir.File("out");
  const test::ToolRun run = test::RunTool("convert" + drawings + " --out-dir " + test::Quoted(out) + " -j 2 --params " +
                                          test::Quoted(ini) + " --section P");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(
      Contains(run.err, "failed: " + dir.File("notes.dxf") + ": " + dir.File("notes.dxf") + " is not a DXF file"))
      << run.err;
  EXPECT_TRUE(Contains(run.err, "failed: " + dir.File("cut.dxf"))) << run.err;
  EXPECT_TRUE(Contains(run.err, "18 of 20 drawings converted")) << run.err;
  for (int i = 0; i < 18; ++i) {
    const std::string element = test::ReadFileBytes(out + "/part" + std::to_string(i) + ".txt");
    EXPECT_EQ(element.substr(0, 12), "INI,     1,0") << i;
    EXPECT_TRUE(Contains(element, "FIN,     1," + std::to_string(i + 1) + ".000")) << i << element.substr(0, 200);
  }
  // The settings were read from copies: the user's file is as it was.
  EXPECT_EQ(test::ReadFileBytes(ini), "[P]\nConnect=0\nDecimaliTxt=3\n");
  EXPECT_EQ(run.out, "");
}

TEST(Batch, DrawingsThatWouldShareAnElementFileAreRefused) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "a");
  const std::string first = dir.Write("a/x.dxf", "0\nEOF\n");
  const std::string second = dir.Write("x.dxf", "0\nEOF\n");
  const test::ToolRun run = test::RunTool("convert " + test::Quoted(first) + " " + test::Quoted(second) +
                                          " --out-dir " + test::Quoted(dir.File("out")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "would both be written to")) << run.err;
  EXPECT_EQ(test::RunTool("convert a.dxf --out-dir o -j 0").exitStatus, 2);
}

}  // namespace
}  // namespace dxfelem
