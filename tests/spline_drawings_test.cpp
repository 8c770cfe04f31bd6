// SPLINEs of a drawing saved by a CAD program, converted with SplineArchi 1
// and checked against ezdxf's own evaluation of the curves; and what `info`
// and `convert` tell of splines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

const char* const kDrawing = DXFELEM_TEST_DATA "/splines/qcad-splines.dxf";
// Splines of fit points and end tangents alone: interpolated, then fitted.
const char* const kFitPoints = DXFELEM_TEST_DATA "/splines/fit-points-with-tangents.dxf";

using test::Contains;

TEST(SplineDrawings, TheArcsFollowTheCurvesAsEzdxfEvaluatesThem) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ezdxf (python3-ezdxf) is not installed: the curves were not checked";
  }
  test::TempDir dir;
  for (const auto& [drawing, count] : {std::pair{kDrawing, "6"}, std::pair{kFitPoints, "3"}}) {
    for (const char* tolerance : {"0.01", "0.001"}) {
      const std::string ini = dir.Write(
          "p.ini", std::string("[S]\nConnect=0\nDecimaliTxt=7\nSplineArchi=1\nSplineToll=") + tolerance + "\n");
      const std::string elements = dir.File("e.txt");
      const test::ToolRun run = test::RunTool("convert " + test::Quoted(drawing) + " " + test::Quoted(elements) +
                                              " --params " + test::Quoted(ini) + " --section S");
      ASSERT_EQ(run.exitStatus, 0) << run.err;
      EXPECT_TRUE(Contains(run.err, std::string(count) + " SPLINEs followed by arcs")) << run.err;
      const std::string check = "/usr/bin/python3 " +
                                test::Quoted(DXFELEM_SOURCE_DIR "/tests/support/check_spline_arcs.py") + " " +
                                test::Quoted(drawing) + " " + test::Quoted(elements) + " " + tolerance;
      std::FILE* pipe = popen(check.c_str(), "r");
      ASSERT_NE(pipe, nullptr);
      std::string output;
      char line[256];
      while (std::fgets(line, sizeof line, pipe) != nullptr) output += line;
      EXPECT_EQ(pclose(pipe), 0) << output;
      EXPECT_TRUE(Contains(output, "within\n")) << drawing << " " << tolerance << "\n" << output;
    }
  }
}

TEST(SplineDrawings, InfoTellsWhichSplinesAreFollowedAndWhyNot) {
  test::TempDir dir;
  const std::string on = dir.Write("on.ini", "[S]\nSplineArchi=1\n");
  test::ToolRun run = test::RunTool("info " + test::Quoted(kDrawing));
  EXPECT_TRUE(Contains(run.out, "          6 SPLINE: this kind is not converted unless SplineArchi is 1\n")) << run.out;
  run = test::RunTool("info " + test::Quoted(kDrawing) + " --params " + test::Quoted(on) + " --section S");
  EXPECT_TRUE(Contains(run.out, "splines    6 followed by arcs within SplineToll\n")) << run.out;
  EXPECT_FALSE(Contains(run.out, "SPLINE:")) << run.out;

  // Degree 0, and knots running backwards: left out, each with its reason.
  const std::string broken =
      dir.Write("broken.dxf",
                "0\nSECTION\n2\nENTITIES\n"
                "0\nSPLINE\n8\nA\n71\n0\n40\n0\n40\n1\n10\n0\n20\n0\n"
                "0\nSPLINE\n8\nA\n71\n1\n40\n0\n40\n0\n40\n2\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n"
                "0\nLINE\n8\nA\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n");
  run = test::RunTool("convert " + test::Quoted(broken) + " " + test::Quoted(dir.File("b.txt")) + " --params " +
                      test::Quoted(on) + " --section S --summary");
  // The reading per layer (the survey) finds the same reasons.
  EXPECT_TRUE(Contains(run.out,
                       "\nA\n          1 SPLINE: cannot be followed by arcs: degree below 1 or above 10\n"
                       "          1 SPLINE: cannot be followed by arcs: knots that are not non-decreasing"))
      << run.out;
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "1 SPLINE: cannot be followed by arcs: degree below 1 or above 10\n")) << run.err;
  EXPECT_TRUE(Contains(run.err, "1 SPLINE: cannot be followed by arcs: knots that are not non-decreasing\n"))
      << run.err;
  EXPECT_FALSE(Contains(test::ReadFileBytes(dir.File("b.txt")), "INI,     2")) << "only the LINE is converted";
}

// The splines of one drawing share a budget of arcs (one per byte of the
// drawing, at least 200000): two zigzags of 1000 points at a tolerance of
// 0.000002, in a drawing of 60 KB, would make about 127500 each; the first
// is followed, the second left out with its reason, and the element file
// (two lines an arc) stays within the budget.
TEST(SplineDrawings, TheSplinesOfADrawingShareABudgetOfArcs) {
  test::TempDir dir;
  std::string dxf = "0\nSECTION\n2\nENTITIES\n";
  for (int spline = 0; spline < 2; ++spline) {
    const int points = 1000;
    dxf += "0\nSPLINE\n8\nS\n70\n8\n71\n3\n";
    for (int k = 0; k < points + 4; ++k) dxf += "40\n" + std::to_string(std::clamp(k - 3, 0, points - 3)) + "\n";
    for (int i = 0; i < points; ++i) {
      // Up and down by 5 at every step of 10: the curve bends hard at every point.
      dxf += "10\n" + std::to_string(i * 10) + "\n20\n" + std::to_string((i % 2) * 5 + spline * 1000) + "\n30\n0\n";
    }
  }
  const std::string drawing = dir.Write("zigzags.dxf", dxf + "0\nENDSEC\n0\nEOF\n");
  const std::string ini = dir.Write("p.ini", "[S]\nConnect=0\nSplineArchi=1\nSplineToll=0.000002\n");
  const std::string elements = dir.File("e.txt");
  const test::ToolRun run = test::RunTool("convert " + test::Quoted(drawing) + " " + test::Quoted(elements) +
                                          " --params " + test::Quoted(ini) + " --section S");
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_TRUE(Contains(run.err,
                       "1 SPLINE: cannot be followed by arcs: more arcs than the drawing's curves may "
                       "still make (one per byte of the drawing in all, at least 200000)\n"))
      << run.err;
  EXPECT_TRUE(Contains(run.err, "1 SPLINEs followed by arcs")) << run.err;
  const std::string written = test::ReadFileBytes(elements);
  EXPECT_TRUE(Contains(written, "INI,     1,")) << written.substr(0, 200);
  EXPECT_FALSE(Contains(written, "INI,     2,"));
  std::size_t lines = 0;
  for (const char c : written) lines += c == '\n';
  EXPECT_GT(lines, 250000u);
  EXPECT_LE(lines, 400001u);
}

}  // namespace
}  // namespace dxfelem
