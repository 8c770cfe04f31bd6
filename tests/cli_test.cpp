// The command-line tool, run as a user runs it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

using test::Contains;
using test::Quoted;
using test::RunTool;
using test::ToolRun;

TEST(Cli, HelpVersionAndUsageErrors) {
  ToolRun run = RunTool("--help");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.output, "usage: dxfelem convert")) << run.output;
  // A command's own help: its usage and an example, not the whole page.
  for (const char* command : {"convert", "layers", "blocks", "rewrite", "info", "preview", "todxf"}) {
    run = RunTool(std::string(command) + " --help");
    EXPECT_EQ(run.exitStatus, 0) << command;
    EXPECT_EQ(run.out.rfind(std::string("usage: dxfelem ") + command, 0), 0u) << run.out;
    EXPECT_TRUE(Contains(run.out, std::string("example: dxfelem ") + command)) << run.out;
    EXPECT_FALSE(Contains(run.out, "Exit status")) << command;
  }
  EXPECT_TRUE(Contains(RunTool("--version").out, "dxfelem 0."));
  for (const char* wrong :
       {"", "frobnicate", "convert", "convert a.dxf", "convert a.dxf b.txt c.txt", "convert a.dxf b.txt --params p.ini",
        "convert a.dxf b.txt --section S", "convert a.dxf b.txt --done", "convert a.dxf b.txt --fast",
        "rewrite a.txt --op directions", "rewrite a.txt --layer L", "rewrite a.txt --layer L --op x",
        "rewrite a.txt --layer L --op 1 --a five", "layers", "blocks a b c", "layers a --summary"}) {
    run = RunTool(wrong);
    EXPECT_EQ(run.exitStatus, 2) << wrong;
    EXPECT_TRUE(Contains(run.err, "dxfelem --help")) << wrong;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line: " << run.err;
  }
}

// Failures exit with 1, name their code and file, and write no file of the
// user's but the completion file asked for.
TEST(Cli, FailedConversionsExitWithOneAndSaySo) {
  test::TempDir dir;
  const std::string out = Quoted(dir.File("out.txt"));
  ToolRun run = RunTool("convert " + Quoted(dir.File("missing.dxf")) + " " + out);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "cannot open or write " + dir.File("missing.dxf"))) << run.err;
  run = RunTool("convert " + Quoted(dir.Write("notes.dxf", "just some notes\n")) + " " + out);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "not a DXF file") && Contains(run.err, "(code 13)")) << run.err;
  const std::string empty = dir.Write("empty.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  EXPECT_EQ(RunTool("convert " + Quoted(empty) + " " + out).exitStatus, 1);
  EXPECT_EQ(test::EntriesIn(dir.path()), 2);  // the drawings alone
  run = RunTool("convert " + Quoted(empty) + " " + out + " --done " + Quoted(dir.File("done")) + " --json");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "(code 41)")) << run.output;
  const nlohmann::json record = nlohmann::json::parse(run.out);
  EXPECT_EQ(record["status"], 541);
  EXPECT_EQ(record["errorCode"], 41);
  EXPECT_EQ(record["returned"], 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("done")), "1");
}

// Names with quotes and backslashes, and names in a drawing's code page
// (not UTF-8), still make valid JSON that gives the names back.
TEST(Cli, JsonStaysValidForEveryName) {
  test::TempDir dir;
  ToolRun run = RunTool("convert " + Quoted(dir.File("a\"b\\c.dxf")) + " x.txt --json");
  EXPECT_EQ(run.exitStatus, 1);
  const nlohmann::json record = nlohmann::json::parse(run.out);
  EXPECT_EQ(record["fileName"], dir.File("a\"b\\c.dxf"));
  EXPECT_EQ(record["hasFileName"], 1);
  // "Küche" in Latin-1 (one byte 0xFC) and "Bäder" in UTF-8.
  const std::string dxf = dir.Write("names.dxf",
                                    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nK\xFC"
                                    "che\n70\n0\n0\nLAYER\n2\nB\xC3\xA4"
                                    "der\n70\n0\n0\nENDTAB\n0\nENDSEC\n0\nEOF\n");
  const nlohmann::json names = {
      "K\xC3\xBC"
      "che",
      "B\xC3\xA4"
      "der"};
  EXPECT_EQ(nlohmann::json::parse(RunTool("layers " + Quoted(dxf) + " --json").out), names);
  EXPECT_EQ(nlohmann::json::parse(RunTool("info " + Quoted(dxf) + " --json").out)["layers"], names);
}

TEST(Cli, ListingsAndRewriting) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf",
                                    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n0\nLAYER\n2\n0\n70\n0\n"
                                    "0\nLAYER\n2\nWALLS  \n70\n0\n0\nENDTAB\n0\nENDSEC\n"
                                    "0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\n0\n2\nA\n0\nINSERT\n2\nB\n"
                                    "0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n");
  EXPECT_EQ(RunTool("layers " + Quoted(dxf)).out, "0\nWALLS\n");
  // The hosts' block list: one line per INSERT, written by the library.
  EXPECT_EQ(RunTool("blocks " + Quoted(dxf) + " " + Quoted(dir.File("blocks.txt")) + " --host").exitStatus, 0);
  EXPECT_EQ(test::ReadFileBytes(dir.File("blocks.txt")), "A\r\nB\r\n");
  // The drawing's own: no block is defined, each inserted once.
  EXPECT_EQ(nlohmann::json::parse(RunTool("blocks " + Quoted(dxf) + " --json").out),
            nlohmann::json({{"A", 1}, {"B", 1}}));
  for (const auto& [host, said] : {std::pair{" --host", "(code 8)"}, std::pair{"", "cannot read"}}) {
    const ToolRun run = RunTool("layers " + Quoted(dir.File("missing.dxf")) + host);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(Contains(run.err, said)) << run.err;
  }
  const std::string elements = Quoted(dir.File("a.txt"));
  ASSERT_EQ(RunTool("convert " + Quoted(dxf) + " " + elements).exitStatus, 0);
  EXPECT_EQ(RunTool("rewrite " + elements + " --layer L --op directions").out, "start 90.000000 end 90.000000\n");
  EXPECT_EQ(RunTool("rewrite " + elements + " --layer L --op extend-end --b 5").exitStatus, 0);
  EXPECT_TRUE(Contains(test::ReadFileBytes(dir.File("a.txt")), "FIN,     1,0.00000     ,15.00000"));
  const ToolRun run = RunTool("rewrite " + elements + " --layer L --op 7");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.output, "(code 19)")) << run.output;
}

// The section named in another case, the piece variables and the side texts
// from ROZOZ.INI, every key written back (tests/data/parameters/SOURCES.md).
TEST(Cli, ParametersAreReadAndWrittenBack) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  const std::string ini = dir.Write("p.ini", test::ReadFileBytes(DXFELEM_TEST_DATA "/parameters/piece-variables.ini"));
  dir.Write("ROZOZ.INI", "[Pelvor]\r\nSide2=left\r\nPieceVars=p;q\r\n");
  const ToolRun run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("out.txt")) + " --params " +
                              Quoted(ini) + " --section panel");
  EXPECT_EQ(run.exitStatus, 1);  // nothing in the drawing: the settings are still written back
  EXPECT_EQ(test::ReadFileBytes(ini), test::ReadFileBytes(DXFELEM_TEST_DATA "/parameters/piece-variables.after.ini"));
}

TEST(Cli, SummaryCountsElementsAndNodesPerLayer) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf",
                                    "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n11\n1\n0\nCIRCLE\n8\nB\n40\n1\n"
                                    "0\nPOINT\n8\nB\n0\nENDSEC\n0\nEOF\n");
  const ToolRun run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("out.txt")) + " --summary");
  EXPECT_EQ(run.exitStatus, 0);
  // Built-in settings: no face names; the circle (radius above RadiusMin 0)
  // is a three-node arc, the point one node.
  EXPECT_TRUE(Contains(run.out,
                       "A                                        1         2\n"
                       "B                                        2         4\n"
                       "all layers                               3         6\n"))
      << run.out;
}

}  // namespace
}  // namespace dxfelem
