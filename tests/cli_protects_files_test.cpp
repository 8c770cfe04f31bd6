// The tool keeps people's files safe: data alone on standard output, no
// rewriting of what is not an element file, no conversion onto an input,
// a word about settings that do not apply, and a parameter file that could
// not be read is never written.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

using test::Quoted;
using test::RunTool;
using test::ToolRun;

using test::Contains;

const char kDrawing[] =
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\n0\n70\n0\n0\nLAYER\n2\nWALLS\n70\n0\n0\nENDTAB\n"
    "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n0\n21\n10\n0\nENDSEC\n0\nEOF\n";

// An element line as the writer writes it.
std::string ElementLine(const std::string& code, const std::string& layer = "L", bool atTen = true) {
  const std::string padding(layer.size() < 64 ? 64 - layer.size() : 0, ' ');
  return code + ",     1,0.00000     ," + (atTen ? "10.00000    " : "0.00000     ") + ",0.00000     ,0.00000     ," +
         layer + padding + ",*" + std::string(63, ' ') + "\r\n";
}

TEST(CliOutput, StandardOutputCarriesDataOnly) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  ToolRun run = RunTool("layers " + Quoted(dxf));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, "0\nWALLS\n");
  EXPECT_TRUE(Contains(run.err, "listed")) << run.err;

  run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("out.txt")) + " --json");
  EXPECT_EQ(run.exitStatus, 0);
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.front(), '{') << run.out;
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n") << run.out;
  EXPECT_FALSE(Contains(run.out, "dxfelem:")) << run.out;
  EXPECT_TRUE(Contains(run.err, "converted")) << run.err;

  // Errors are messages too.
  run = RunTool("convert " + Quoted(dir.File("missing.dxf")) + " " + Quoted(dir.File("x.txt")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(Contains(run.err, "(code 8)")) << run.err;
}

TEST(CliOutput, AFailedWriteToStandardOutputFailsTheRun) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  for (const std::string& arguments : {"layers " + Quoted(dxf), std::string("--help"),
                                       "convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --json"}) {
    const ToolRun run = RunTool(arguments, "", "/dev/full");
    EXPECT_EQ(run.exitStatus, 1) << arguments;
    EXPECT_TRUE(Contains(run.err, "cannot write to standard output")) << run.err;
  }
}

TEST(CliRewrite, WhatIsNotAnElementFileIsRefused) {
  test::TempDir dir;
  const std::string good = ElementLine("INI", "L", false) + ElementLine("FIN");
  struct Case {
    const char* what;
    std::string bytes;
    const char* said;
  };
  const Case cases[] = {
      {"random bytes", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "line 1"},
      {"a drawing", kDrawing, "line 1"},
      {"an unknown mnemonic", good + ElementLine("HOL"), "line 3"},
      {"a field missing", good + "ISO,     1,0.0,0.0,0.0,L,*\r\n", "line 3 has 7 fields"},
      {"a word for a number", good + "ISO,     1,zero,0.0,0.0,0.0,L,*\r\n", "line 3 has no number in field 3"},
      {"a line too long", good + ElementLine("ISO", std::string(200, 'L')), "line 3 is longer than 255"},
      {"an unfinished element", good + ElementLine("INI"), "line 3 leaves its element unfinished"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.Write("e.txt", c.bytes);
    const ToolRun run = RunTool("rewrite " + Quoted(path) + " --layer L --op extend-end --b 5");
    EXPECT_EQ(run.exitStatus, 1) << c.what;
    EXPECT_TRUE(Contains(run.err, c.said)) << c.what << ": " << run.err;
    EXPECT_EQ(test::ReadFileBytes(path), c.bytes) << c.what;
  }
  // --force leaves the judgement to the user.
  const std::string forced = dir.Write("f.txt", good + ElementLine("HOL"));
  EXPECT_EQ(RunTool("rewrite " + Quoted(forced) + " --layer L --op extend-end --b 5 --force").exitStatus, 0);
  EXPECT_TRUE(Contains(test::ReadFileBytes(forced), "FIN,     1,0.00000     ,15.00000")) << test::ReadFileBytes(forced);

  const ToolRun missing = RunTool("rewrite " + Quoted(dir.File("mistyped.txt")) + " --layer L --op extend-end --b 5");
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_TRUE(Contains(missing.err, "cannot read")) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("mistyped.txt")));
}

TEST(CliRewrite, QuestionsAndEmptyLayersChangeNothing) {
  test::TempDir dir;
  // Three decimals: a rewrite with the default five would change every line.
  const std::string bytes = "INI,     1,0.000       ,0.000       ,0.000       ,0.000       ,L" + std::string(63, ' ') +
                            ",*" + std::string(63, ' ') +
                            "\r\nFIN,     1,0.000       ,10.000      ,0.000       ,0.000"
                            "       ,L" +
                            std::string(63, ' ') + ",*" + std::string(63, ' ') + "\r\n";
  const std::string path = dir.Write("e.txt", bytes);
  ToolRun run = RunTool("rewrite " + Quoted(path) + " --layer L --op directions");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out, "start 90.000000 end 90.000000\n");
  EXPECT_EQ(test::ReadFileBytes(path), bytes);

  run = RunTool("rewrite " + Quoted(path) + " --layer WALLS --op extend-end --b 5");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "no element")) << run.err;
  EXPECT_EQ(run.out, "");  // no "start 0.000000 end 0.000000" that looks like a real 0°
  run = RunTool("rewrite " + Quoted(path) + " --layer WALLS --op directions");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(test::ReadFileBytes(path), bytes);
}

// The library's guards, once through the tool (all of them with the people's API).
TEST(CliConvert, AnOutputThatIsAnInputIsRefused) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  const std::string ini = dir.Write("p.ini", "[P]\nConnect=0\n");
  const ToolRun run =
      RunTool("convert " + Quoted(dxf) + " " + Quoted(ini) + " --params " + Quoted(ini) + " --section P");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "would replace it")) << run.err;
  EXPECT_EQ(RunTool("layers " + Quoted(dxf) + " " + Quoted(dxf)).exitStatus, 1);
  EXPECT_EQ(test::ReadFileBytes(dxf), kDrawing);
  EXPECT_EQ(test::ReadFileBytes(ini), "[P]\nConnect=0\n");
}

TEST(CliConvert, SettingsThatDoNotApplyAreMentioned) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  const std::string ini = dir.Write("p.ini", "[Panel]\nConnect=0\n");
  ToolRun run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --params " + Quoted(ini) +
                        " --section Pannel");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.err, "warning: " + ini + " has no section [Pannel]")) << run.err;
  run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --params " + Quoted(ini) +
                " --section panel");
  EXPECT_FALSE(Contains(run.err, "warning")) << run.err;  // section names ignore case, as on the hosts
  const std::string missing = dir.File("new.ini");
  run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --params " + Quoted(missing) +
                " --section Panel");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.err, "warning: " + missing + " does not exist")) << run.err;
  // It is made by the write-back, as the hosts' own functions do.
  EXPECT_TRUE(Contains(test::ReadFileBytes(missing), "[Panel]\r\nSide1=\r\n"));
}

// Every opening of the parameter file in turn fails, as when the process
// runs out of descriptors or a share goes away: whichever it is, the file
// keeps every line it had, and a file that was not updated is reported.
TEST(CliConvert, AParameterFileThatCannotBeReadIsNeverWrittenBack) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  const std::string original = "; my comment\r\n[Other]\r\nKeep=1\r\n[Panel]\r\nConnect=0\r\nDecimaliTxt=4\r\n";
  for (int error : {EMFILE, EACCES, EIO}) {
    for (int at = 1; at <= 4; ++at) {
      const std::string ini = dir.Write("p.ini", original);
      const std::string environment =
          test::WithFailingOpen("DXFELEM_FAIL_OPEN_NAME=p.ini DXFELEM_FAIL_OPEN_AT=" + std::to_string(at) +
                                " DXFELEM_FAIL_OPEN_ERRNO=" + std::to_string(error));
      const ToolRun run = RunTool(
          "convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --params " + Quoted(ini) + " --section Panel",
          environment);
      const std::string after = test::ReadFileBytes(ini);
      const std::string where = "open " + std::to_string(at) + " fails with errno " + std::to_string(error);
      if (after == original) {
        EXPECT_TRUE(Contains(run.err, "cannot") && Contains(run.err, "p.ini")) << where << ": " << run.err;
      } else {
        // Written back from a complete read: the old lines, then the new keys.
        EXPECT_EQ(after.substr(0, original.size() - 2), original.substr(0, original.size() - 2)) << where;
        EXPECT_TRUE(Contains(after, "DecimaliTxt=4\r\n")) << where << ": " << after;
      }
      if (at == 1) {
        EXPECT_EQ(run.exitStatus, 1) << where << ": the tool's own read fails, nothing is done";
      }
    }
  }
}

// Two conversions at once on one parameter file, each with its section:
// each writes its settings back into the file as the other left it, so
// both sections are there after every round.
TEST(CliConvert, TwoConversionsOnOneParameterFileKeepBothSections) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", test::LinesDrawing(3000));
  for (int round = 0; round < 4; ++round) {
    const std::string ini = dir.Write("p.ini", "[JobA]\nDecimaliTxt=3\n[JobB]\nDecimaliTxt=4\n");
    auto job = [&](const char* section) {
      return " convert " + Quoted(dxf) + " " + Quoted(dir.File(std::string(section) + ".txt")) + " --params " +
             Quoted(ini) + " --section " + section + " --quiet";
    };
    const ToolRun run = RunTool(job("JobA") + " 2>/dev/null & " + Quoted(DXFELEM_CLI) + job("JobB") + "; wait");
    const std::string after = test::ReadFileBytes(ini);
    for (const char* section : {"[JobA]\nDecimaliTxt=3\n", "[JobB]\nDecimaliTxt=4\n"}) {
      const std::size_t at = after.find(section);
      ASSERT_NE(at, std::string::npos) << round << ": " << after;
      EXPECT_NE(after.find("Tollerance=", at), std::string::npos) << round << ": " << after;
    }
    EXPECT_EQ(after.find("Tollerance="), after.rfind("Tollerance=", after.find("[JobB]"))) << after;
  }
}

// A parameter file larger than any INI file (its section at the top, then
// 17 MB of comments) is refused: a conversion would run on the built-in
// settings instead of the user's.
TEST(CliConvert, AParameterFileTooLargeToReadIsRefused) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  const std::string text = "[Panel]\nDecimaliTxt=3\n" + std::string(17 * 1024 * 1024, ';') + "\n";
  const std::string ini = dir.Write("p.ini", text);
  const ToolRun run = RunTool("convert " + Quoted(dxf) + " " + Quoted(dir.File("o.txt")) + " --params " + Quoted(ini) +
                              " --section Panel");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, ini + " is larger than 16 MiB")) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.txt")));
  EXPECT_TRUE(test::ReadFileBytes(ini) == text);
}

// The picture convert draws beside the element file never takes the place
// of the drawing or of the element file (preview and todxf refuse their
// source in the library, tested with the people's API).
TEST(CliOutput, APictureNeverReplacesItsSource) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", kDrawing);
  const std::string out = dir.File("o.txt");
  ASSERT_EQ(RunTool("convert " + Quoted(dxf) + " " + Quoted(out)).exitStatus, 0);
  const std::string elements = test::ReadFileBytes(out);
  for (const std::string& command : {"convert " + Quoted(dxf) + " " + Quoted(out) + " --preview " + Quoted(dxf),
                                     "convert " + Quoted(dxf) + " " + Quoted(out) + " --preview " + Quoted(out)}) {
    const ToolRun run = RunTool(command);
    EXPECT_EQ(run.exitStatus, 1) << command;
    EXPECT_TRUE(Contains(run.err, "it would replace it")) << command << ": " << run.err;
  }
  EXPECT_EQ(test::ReadFileBytes(out), elements);
  EXPECT_EQ(test::ReadFileBytes(dxf), kDrawing);
}

}  // namespace
}  // namespace dxfelem
