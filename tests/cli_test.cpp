// The command-line tool, run as a user runs it; info, layers, blocks and
// convert's messages on real drawings, counts checked against the counts of
// SOURCES.md (made with another reader). What the counts mean is the
// report's, tested with the people's API.
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

using test::Contains;
using test::Quoted;
using test::RunTool;

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

}  // namespace
}  // namespace dxfelem
