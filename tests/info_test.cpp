// dxfelem info, layers, blocks and convert's messages on real drawings: counts
// checked against the counts of SOURCES.md (made with another reader); what
// the counts mean is the report's, tested with the people's API.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

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
