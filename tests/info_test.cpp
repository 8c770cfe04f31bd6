// dxfelem info on real drawings: counts checked against the counts of
// SOURCES.md (made with another reader), and the reasons a conversion
// would skip entities.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Info(const std::string& drawing, const std::string& more = "") {
  const test::ToolRun run =
      test::RunTool("info " + test::Quoted(std::string(DXFELEM_TEST_DATA "/corpus/") + drawing) + more);
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  return run.out;
}

TEST(Info, CountsKindsLayersAndBlocksOfRealDrawings) {
  std::string out = Info("r2000-architecture-metres.dxf");
  EXPECT_TRUE(Contains(out, "version    AC1015 (R2000)")) << out;
  EXPECT_TRUE(Contains(out, "$INSUNITS 6 (metres), $MEASUREMENT 1 (metric)"));
  EXPECT_TRUE(Contains(out, "layers     13 in the LAYER table"));
  for (const char* row : {"  LINE                           628\n", "  INSERT                          29\n",
                          "  CIRCLE                          18\n", "  MTEXT                           12\n",
                          "  ARC                              9\n", "  DIMENSION                        6\n",
                          "  HATCH                            4\n", "  POINT                            4\n",
                          "  LWPOLYLINE                       1\n", "  SOFA                            10\n"}) {
    EXPECT_TRUE(Contains(out, row)) << row << out;
  }
  EXPECT_TRUE(Contains(out, "          6 DIMENSION: this kind is not converted\n"));
  EXPECT_TRUE(Contains(out, "          4 HATCH: this kind is not converted\n"));

  out = Info("r2000-polyface-inches.dxf");
  // A mesh's vertices are part of it, not entities of their own.
  EXPECT_TRUE(Contains(out, "  POLYLINE                         4\n")) << out;
  EXPECT_TRUE(Contains(out, "          4 POLYLINE meshes: meshes are surfaces: they make nothing\n"));
  out = Info("r12-all-polyline-types.dxf");
  EXPECT_TRUE(Contains(out, "         30 POLYLINE with an extrusion that is not a unit vector: such an entity is never kept\n"))
      << out;
}

TEST(Info, SkipsFollowTheSettingsAndJsonIsData) {
  test::TempDir dir;
  const std::string ini = dir.Write("p.ini", "[S]\nTesto=0\nAltezza3D=1\n");
  std::string out = Info("r2013-nested-inserts.dxf", " --params " + test::Quoted(ini) + " --section S");
  EXPECT_TRUE(Contains(out, "         12 TEXT: Testo is 0\n")) << out;
  // Oblique extrusions are kept in 3D; extrusions that are not unit vectors never.
  const std::string flat = dir.Write("flat.ini", "[S]\nAltezza3D=0\n");
  const std::string oblique = dir.Write(
      "o.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n210\n0.6\n220\n0.8\n230\n0\n"
               "0\nLINE\n8\nL\n11\n1\n210\n0\n220\n0\n230\n2\n0\nLINE\n8\nL\n11\n2\n0\nENDSEC\n0\nEOF\n");
  for (const auto& [settings, told] : {std::pair{flat, true}, std::pair{ini, false}}) {
    out = test::RunTool("info " + test::Quoted(oblique) + " --params " + test::Quoted(settings) + " --section S").out;
    EXPECT_EQ(Contains(out, "          1 LINE with an oblique extrusion: kept only when Altezza3D is not 0\n"), told)
        << out;
    EXPECT_TRUE(Contains(out, "          1 LINE with an extrusion that is not a unit vector: such an entity is never "
                              "kept\n"))
        << out;
  }
  out = Info("r2018-text-mtext-attrib-extrusion-minus1.dxf", " --json");
  const nlohmann::json info = nlohmann::json::parse(out);
  EXPECT_EQ(info["entities"]["TEXT"], 62);
  EXPECT_EQ(info["entities"]["VIEWPORT"], 2);
  EXPECT_EQ(info["layers"], nlohmann::json({"0", "Defpoints"}));
  EXPECT_NE(std::find(info["skipped"].begin(), info["skipped"].end(),
                      nlohmann::json({{"count", 4}, {"what", "ATTDEF"}, {"why", "this kind is not converted"}})),
            info["skipped"].end())
      << out;
}

// The true layer list of every real drawing is its LAYER table, in order;
// the hosts' listing runs into group codes and other tables.
TEST(Info, LayerListsAreTheLayerTables) {
  const std::pair<const char*, const char*> expected[] = {
      {"r2000-architecture-metres.dxf",
       "0\nwall high\nwall low\ntexture\nequipment\nnivel\ndoorswindows\nprojection\nnames\nDefpoints\n"
       "topography\nplants\nCeco.NET 53\n"},
      {"r2013-nested-inserts.dxf", "0\nDefpoints\n"},
      {"r2018-text-mtext-attrib-extrusion-minus1.dxf", "0\nDefpoints\n"},
  };
  for (const auto& [drawing, layers] : expected) {
    const std::string path = test::Quoted(std::string(DXFELEM_TEST_DATA "/corpus/") + drawing);
    EXPECT_EQ(test::RunTool("layers " + path).out, layers) << drawing;
    EXPECT_NE(test::RunTool("layers " + path + " --host").out, layers) << drawing;
  }
  const test::ToolRun blocks =
      test::RunTool("blocks " + test::Quoted(DXFELEM_TEST_DATA "/corpus/r2000-architecture-metres.dxf"));
  EXPECT_TRUE(Contains(blocks.out, "SOFA\t10\n")) << blocks.out;
  EXPECT_FALSE(Contains(blocks.out, "*Model_Space")) << blocks.out;
}

// A conversion says on standard error what it left out, unless told not to.
TEST(Info, ConvertTellsWhatItSkipped) {
  test::TempDir dir;
  const std::string dxf = test::Quoted(DXFELEM_TEST_DATA "/corpus/r2000-architecture-metres.dxf");
  test::ToolRun run = test::RunTool("convert " + dxf + " " + test::Quoted(dir.File("a.txt")));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Contains(run.err, "dxfelem: skipped\n          6 DIMENSION: this kind is not converted\n")) << run.err;
  EXPECT_EQ(run.out, "");
  run = test::RunTool("convert " + dxf + " " + test::Quoted(dir.File("a.txt")) + " --quiet");
  EXPECT_FALSE(Contains(run.err, "skipped")) << run.err;
  // With the summary, the skips per layer follow the elements per layer.
  run = test::RunTool("convert " + dxf + " " + test::Quoted(dir.File("a.txt")) + " --summary --quiet");
  EXPECT_TRUE(Contains(run.out,
                       "skipped, per layer of the drawing\nCeco.NET 53\n          4 HATCH: this kind is not "
                       "converted\ntexture\n          6 DIMENSION"))
      << run.out;
  // Nothing became an element: the skips say why.
  run = test::RunTool("convert " + test::Quoted(DXFELEM_TEST_DATA "/corpus/r2000-polyface-inches.dxf") + " " +
                      test::Quoted(dir.File("b.txt")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "(code 41)")) << run.err;
  EXPECT_TRUE(Contains(run.err, "4 POLYLINE meshes: meshes are surfaces")) << run.err;
  // A broken drawing: where it breaks.
  const std::string cut = dir.Write("cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n");
  run = test::RunTool("convert " + test::Quoted(cut) + " " + test::Quoted(dir.File("c.txt")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "(code 4)")) << run.err;
  EXPECT_TRUE(Contains(run.err, cut + ", line 9: a group code without its value")) << run.err;
}

TEST(Info, UnreadableAndBinaryDrawingsAreNamed) {
  test::TempDir dir;
  test::ToolRun run = test::RunTool("info " + test::Quoted(dir.File("missing.dxf")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "cannot read")) << run.err;
  const std::string binary = dir.Write("b.dxf", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "\x01\x02");
  run = test::RunTool("info " + test::Quoted(binary));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "is a binary DXF")) << run.err;
  const std::string cut = dir.Write("c.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\nnot a code\nx\n0\nLINE\n");
  run = test::RunTool("info " + test::Quoted(cut));
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
  const std::string line =
      dir.Write("l.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n");
  const struct {
    const std::string& drawing;
    const char* archiEllisse;
    bool told;
  } cases[] = {{ellipse, "1250", false}, {ellipse, "1251", true}, {line, "2147483647", false}};
  for (const auto& c : cases) {
    const std::string ini = dir.Write("p.ini", std::string("[S]\nArchiEllisse=") + c.archiEllisse + "\n");
    const std::string warning = std::string("warning: ArchiEllisse ") + c.archiEllisse + " draws each of the 1 ELLIPSEs";
    const std::string settings = " --params " + test::Quoted(ini) + " --section S";
    test::ToolRun run = test::RunTool("info " + test::Quoted(c.drawing) + settings);
    EXPECT_EQ(Contains(run.err, warning), c.told) << c.archiEllisse << ": " << run.err;
    if (c.drawing != ellipse || std::string(c.archiEllisse) == "2147483647") continue;
    run = test::RunTool("convert " + test::Quoted(c.drawing) + " " + test::Quoted(dir.File("o.txt")) + settings);
    EXPECT_EQ(Contains(run.err, warning), c.told) << c.archiEllisse << ": " << run.err;
  }
}

// An MTEXT whose text begins in group-3 chunks draws only its last chunk,
// as on the hosts: info says so, unless texts are off altogether.
TEST(Info, MtextChunksThatAreNotDrawnAreTold) {
  test::TempDir dir;
  const std::string drawing =
      dir.Write("m.dxf",
                "0\nSECTION\n2\nENTITIES\n0\nMTEXT\n8\nT\n40\n2.5\n3\nThe first part and \n1\nthe last\n"
                "0\nMTEXT\n8\nT\n40\n2.5\n1\nshort\n0\nENDSEC\n0\nEOF\n");
  const std::string told = "          1 MTEXT with its text in chunks: only the last chunk (group 1) is drawn";
  EXPECT_TRUE(Contains(test::RunTool("info " + test::Quoted(drawing)).out, told));
  const std::string off = dir.Write("p.ini", "[S]\nTesto=0\n");
  const std::string out =
      test::RunTool("info " + test::Quoted(drawing) + " --params " + test::Quoted(off) + " --section S").out;
  EXPECT_FALSE(Contains(out, "chunks")) << out;
  EXPECT_TRUE(Contains(out, "          2 MTEXT: Testo is 0")) << out;
}

}  // namespace
}  // namespace dxfelem
