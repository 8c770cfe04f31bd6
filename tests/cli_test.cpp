// The command-line tool, run as a user runs it; info, layers, blocks and
// convert's messages on real drawings, counts checked against the counts of
// SOURCES.md (made with another reader). What the counts mean is the
// report's, tested with the people's API. The tool keeps people's files
// safe: data alone on standard output, no rewriting of what is not an
// element file, no conversion onto an input, a word about settings that do
// not apply, and a parameter file that could not be read is never written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
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

const std::string kCorpus = DXFELEM_TEST_DATA "/corpus/";

TEST(Info, CountsKindsLayersBlocksAndSkipsOfRealDrawings) {
  const struct {
    const char* drawing;
    const char* more;
    std::vector<const char*> rows;
  } cases[] = {
      {"r2000-architecture-metres.dxf",
       "",
       {"version    AC1015 (R2000)", "$INSUNITS 6 (metres), $MEASUREMENT 1 (metric)",
        "layers     13 in the LAYER table", "  LINE                           628\n",
        "  INSERT                          29\n", "  CIRCLE                          18\n",
        "  MTEXT                           12\n", "  DIMENSION                        6\n",
        "  SOFA                            10\n", "          6 DIMENSION: this kind is not converted\n",
        "          4 HATCH: this kind is not converted\n"}},
      // A mesh's vertices are part of it, not entities of their own.
      {"r2000-polyface-inches.dxf",
       "",
       {"  POLYLINE                         4\n",
        "          4 POLYLINE meshes: meshes are surfaces: they make nothing\n"}},
      {"r12-all-polyline-types.dxf",
       "",
       {"         30 POLYLINE with an extrusion that is not a unit vector: such an entity is never kept\n"}},
      {"r2013-nested-inserts.dxf", " --section S", {"         12 TEXT: Testo is 0\n"}},
  };
  test::TempDir dir;
  const std::string ini = dir.Write("p.ini", "[S]\nTesto=0\n");
  for (const auto& c : cases) {
    const std::string more = *c.more ? " --params " + Quoted(ini) + c.more : "";
    const test::ToolRun run = RunTool("info " + Quoted(kCorpus + c.drawing) + more);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    for (const char* row : c.rows) EXPECT_TRUE(Contains(run.out, row)) << row << run.out;
  }
  const nlohmann::json info = nlohmann::json::parse(
      RunTool("info " + Quoted(kCorpus + "r2018-text-mtext-attrib-extrusion-minus1.dxf") + " --json").out);
  EXPECT_EQ(info["entities"]["TEXT"], 62);
  EXPECT_EQ(info["layers"], nlohmann::json({"0", "Defpoints"}));
  const nlohmann::json attdef = {{"count", 4}, {"what", "ATTDEF"}, {"why", "this kind is not converted"}};
  EXPECT_NE(std::find(info["skipped"].begin(), info["skipped"].end(), attdef), info["skipped"].end()) << info;
}

// The true layer list of every real drawing is its LAYER table, in order;
// the hosts' listing runs into group codes and other tables.
TEST(Info, LayerListsAreTheLayerTables) {
  const std::pair<const char*, const char*> expected[] = {
      {"r2000-architecture-metres.dxf",
       "0\nwall high\nwall low\ntexture\nequipment\nnivel\ndoorswindows\nprojection\nnames\nDefpoints\n"
       "topography\nplants\nCeco.NET 53\n"},
      {"r2013-nested-inserts.dxf", "0\nDefpoints\n"},
  };
  for (const auto& [drawing, layers] : expected) {
    EXPECT_EQ(RunTool("layers " + Quoted(kCorpus + drawing)).out, layers) << drawing;
    EXPECT_NE(RunTool("layers " + Quoted(kCorpus + drawing) + " --host").out, layers) << drawing;
  }
  const std::string blocks = RunTool("blocks " + Quoted(kCorpus + "r2000-architecture-metres.dxf")).out;
  EXPECT_TRUE(Contains(blocks, "SOFA\t10\n") && !Contains(blocks, "*Model_Space")) << blocks;
}

// A conversion says on standard error what it left out, unless told not to.
TEST(Info, ConvertTellsWhatItSkippedAndWhereADrawingBreaks) {
  test::TempDir dir;
  const std::string dxf = Quoted(kCorpus + "r2000-architecture-metres.dxf") + " " + Quoted(dir.File("a.txt"));
  test::ToolRun run = RunTool("convert " + dxf);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.err, "dxfelem: skipped\n          6 DIMENSION: this kind is not converted\n")) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(Contains(RunTool("convert " + dxf + " --quiet").err, "skipped"));
  // With the summary, the skips per layer follow the elements per layer.
  EXPECT_TRUE(Contains(RunTool("convert " + dxf + " --summary --quiet").out,
                       "skipped, per layer of the drawing\nCeco.NET 53\n          4 HATCH: this kind is not "
                       "converted\ntexture\n          6 DIMENSION"));
  const std::string cut = dir.Write("cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n");
  const std::string binary = dir.Write("b.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "\x01\x02");
  const struct {
    std::string command;
    std::vector<std::string> said;
  } failures[] = {
      // Nothing became an element: the skips say why.
      {"convert " + Quoted(kCorpus + "r2000-polyface-inches.dxf") + " " + Quoted(dir.File("b.txt")),
       {"(code 41)", "4 POLYLINE meshes: meshes are surfaces"}},
      {"convert " + Quoted(cut) + " " + Quoted(dir.File("c.txt")),
       {"(code 4)", cut + ", line 9: a group code without its value"}},
      {"info " + Quoted(dir.File("missing.dxf")), {"cannot read"}},
      {"info " + Quoted(binary), {"is a binary DXF"}},
  };
  for (const auto& failure : failures) {
    run = RunTool(failure.command);
    EXPECT_EQ(run.exitStatus, 1) << failure.command;
    for (const std::string& said : failure.said) EXPECT_TRUE(Contains(run.err, said)) << said << ": " << run.err;
  }
  // info reads a broken drawing up to the break.
  run = RunTool("info " + Quoted(dir.Write("c.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\nnot a code\nx\n")));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.err, "line 9: \"not a code\" is not a group code")) << run.err;
  EXPECT_TRUE(Contains(run.out, "  LINE                             1\n")) << run.out;
}

// A setting that makes an element file far larger than any machine needs is
// told by info and convert, for the entities it concerns: ArchiEllisse
// beyond 1250 (10000 points an ellipse), only when there are ellipses.
TEST(Info, SettingsThatMakeHugeOutputsAreTold) {
  test::TempDir dir;
  const std::string ellipse = dir.Write(
      "e.dxf", "0\nSECTION\n2\nENTITIES\n0\nELLIPSE\n8\nE\n10\n0\n20\n0\n11\n10\n21\n0\n40\n0.5\n0\nENDSEC\n0\nEOF\n");
  const std::string line = dir.Write("l.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n");
  const struct {
    const std::string& drawing;
    const char* archiEllisse;
    bool told;
  } cases[] = {{ellipse, "1250", false}, {ellipse, "1251", true}, {line, "2147483647", false}};
  for (const auto& c : cases) {
    const std::string ini = dir.Write("p.ini", std::string("[S]\nArchiEllisse=") + c.archiEllisse + "\n");
    const std::string warning =
        std::string("warning: ArchiEllisse ") + c.archiEllisse + " draws each of the 1 ELLIPSEs";
    const std::string settings = " --params " + Quoted(ini) + " --section S";
    for (const std::string& command :
         {"info " + Quoted(c.drawing), "convert " + Quoted(c.drawing) + " " + Quoted(dir.File("o.txt"))}) {
      const test::ToolRun run = RunTool(command + settings);
      EXPECT_EQ(Contains(run.err, warning), c.told) << c.archiEllisse << ": " << run.err;
      if (c.drawing == line) break;  // a conversion of a line at 2147483647 points an ellipse is no test
    }
  }
}

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
