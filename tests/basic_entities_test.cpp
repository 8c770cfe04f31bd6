// Entities, polylines, inserts and attributes through the whole conversion:
// ellipses seen from below, inch drawings, meshes, broken and hostile input
// (the hand-worked element files are in tests/data/worked).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/element_lines.h"

namespace dxfelem {
namespace {

std::string Line(const char* code, const char* entity, const char* x, const char* y, const char* z, const char* value,
                 const std::string& layer) {
  return test::ElementLine(code, entity, x, y, z, value, layer);
}

class Conversion : public ::testing::Test, public test::InlineConversion {
 protected:
  std::string ini_path() const { return dir().File("p.ini"); }
};

TEST_F(Conversion, EllipsesSeenFromBelowAreMirrored) {
  // Extrusion (0, 0, -1) in 3D is face 2: worked out in the plane seen from
  // above, mirrored in y about the centre, each arc turned round. With
  // ArchiEllisse 1 the ellipse of radii 2 and 1 is four arcs through the
  // points at y = +-0.5 (x = +-sqrt(3) = 1.73 on the grid).
  const std::string ellipse =
      "0\nELLIPSE\n8\nE\n10\n0\n20\n0\n30\n0\n11\n2\n21\n0\n31\n0\n40\n0.5\n41\n0\n42\n6.283185307179586\n"
      "210\n0\n220\n0\n230\n-1\n";
  ASSERT_EQ(Convert(ellipse, "Connect=0\nAltezza3D=1\nArchiEllisse=1\nDecimaliTxt=3\nSideInp2=DOWN,0;\n"), 1);
  const std::string output = Output();
  EXPECT_EQ(output.substr(0, 3 * 194), Line("INI", "     1", "2.000", "0.000", "0.000", "0.000", "EDOWN") +
                                           Line("MED", "     1", "1.730", "-0.500", "0.000", "0.000", "EDOWN") +
                                           Line("FIN", "     1", "0.000", "-1.000", "0.000", "0.000", "EDOWN"));
  EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 12);  // four arcs, one number
}

TEST_F(Conversion, InchDrawingsWorkInInchesAndWriteBackMillimetres) {
  // RadiusMin 5 mm is 0.19685 in: a circle of radius 1 (inch) is an arc.
  const std::string circle = "0\nCIRCLE\n8\nC\n10\n0\n20\n0\n40\n1\n";
  ASSERT_EQ(Convert(circle, "UnitaMisura=2\nRadiusMin=5\nTollerance=0.254\nSpazioFont=2.54\n", "9\n$INSUNITS\n70\n1\n"),
            1);
  EXPECT_EQ(Output().substr(0, 3), "INI");
  std::string ini = Settings();
  EXPECT_NE(ini.find("RadiusMin=5.00\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Tollerance=0.25400\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("SpazioFont=2.54000\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("UnitaMisuraVal=1\n"), std::string::npos) << ini;

  // Millimetres ($INSUNITS 4): a hole, and UnitaMisuraVal back to 0.
  ASSERT_EQ(Convert(circle, "UnitaMisura=2\nRadiusMin=5\nUnitaMisuraVal=1\n", "9\n$INSUNITS\n70\n4\n"), 1);
  EXPECT_EQ(Output().substr(0, 3), "ISO");
  EXPECT_NE(Settings().find("UnitaMisuraVal=0\n"), std::string::npos);

  // UnitaMisura 1 converts whatever the header says; the Net call too.
  dir().Write("a.dxf", "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + circle +
                           "0\nENDSEC\n0\nEOF\n");
  dir().Write("p.ini", "[P]\nUnitaMisura=1\nRadiusMin=5\n");
  int32_t code = -1;
  ASSERT_EQ(DxfToTxtNet(ini_path().c_str(), "P", dir().File("a.dxf").c_str(), dir().File("a.txt").c_str(), "", &code),
            1);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Output().substr(0, 3), "INI");
  ini = Settings();
  EXPECT_NE(ini.find("RadiusMin=5.00\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("UnitaMisuraVal=1\n"), std::string::npos) << ini;
}

TEST_F(Conversion, BadNumbersGiveDefinedResults) {
  const std::string entities =
      "0\nLINE\n8\nA\n10\nabc\n20\n1e999\n11\n1\n21\n1\n"        // an infinite start: left out
      "0\nCIRCLE\n8\nB\n10\nnan\n20\n0\n40\n1e308\n"             // NaN reads as 0; a huge radius
      "0\nARC\n8\nC\n10\n0\n20\n0\n40\n0\n50\n0\n51\n90\n"       // no radius: a point-like arc
      "0\nELLIPSE\n8\nE\n10\n0\n20\n0\n11\n0\n21\n0\n40\n0.5\n"  // no axis: nothing
      "0\nPOINT\n8\n" +
      std::string(254, 'L') + "\n10\n1\n";
  ASSERT_EQ(Convert(entities, "DecimaliTxt=3\n"), 1);
  const std::string output = Output();
  EXPECT_EQ(output.find("nan"), std::string::npos);
  EXPECT_EQ(output.find("inf"), std::string::npos);
  // A layer of 254 characters, the longest that fits a read with its line
  // feed, gets its face name whole.
  EXPECT_NE(output.find(std::string(254, 'L') + "Side1"), std::string::npos);
  // One character more and the line feed is read as a line of its own: the
  // groups fall out of step and the pass reaches the end of the file
  // inside the entities.
  EXPECT_EQ(Convert("0\nPOINT\n8\n" + std::string(255, 'L') + "\n10\n1\n", ""), 0);
  EXPECT_EQ(record().errorCode, 4);
}

// Connect 0: the elements as the readers make them, unjoined.
const char kSettings[] = "Connect=0\nDecimaliTxt=3\nSideInp1=F1,0;\n";

// The same INSERTs and attributes as the worked drawing named-blocks-attributes.
TEST_F(Conversion, ExcludedBlocksKeepTheirAttributes) {
  const std::string drawing = test::ReadFileBytes(DXFELEM_TEST_DATA "/worked/named-blocks-attributes.dxf");
  // EscludeBlocchi suppresses every insert; the attributes remain.
  ASSERT_EQ(ConvertFile(drawing, std::string(kSettings) + "McrBlock1=HINGE;\nEscludeBlocchi=1\n"), 1);
  EXPECT_EQ(Output().find("MCR"), std::string::npos);
  EXPECT_NE(Output().find("after Door"), std::string::npos);
  // With no block named, only the attributes: the block test of the
  // attribute builder passes every block with YesLogic 0.
  ASSERT_EQ(Convert("0\nINSERT\n8\nH\n2\nHINGE\n", kSettings), 0);
  EXPECT_EQ(record().errorCode, 41);
}

// A mesh is a surface: polygon meshes (16, closed in N: 32) and polyface
// meshes (64, with face records of no coordinates) make nothing, their
// vertices and SEQEND are read and dropped, and the entity after them is
// read as usual, with the first number: a mesh takes none.
TEST_F(Conversion, MeshesMakeNothing) {
  const std::string polyface =
      "0\nPOLYLINE\n8\nM\n66\n1\n70\n64\n71\n4\n72\n1\n"
      "0\nVERTEX\n8\nM\n10\n1\n20\n2\n30\n3\n70\n192\n0\nVERTEX\n8\nM\n10\n4\n20\n5\n30\n6\n70\n192\n"
      "0\nVERTEX\n8\nM\n10\n7\n20\n8\n30\n9\n70\n192\n"
      "0\nVERTEX\n8\nM\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n0\nSEQEND\n";
  for (const char* flags : {"16", "32", "48", "64", "65", "72"}) {
    std::string mesh = polyface;
    mesh.replace(mesh.find("70\n64"), 6, std::string("70\n") + flags);
    ASSERT_EQ(Convert(mesh + "0\nLINE\n8\nL\n11\n1\n", kSettings), 1) << flags;
    EXPECT_EQ(Output(), Line("INI", "     1", "0.000", "0.000", "0.000", "0.000", "LF1") +
                            Line("FIN", "     1", "1.000", "0.000", "0.000", "0.000", "LF1"))
        << flags;
  }
  // A mesh alone: nothing became an element.
  EXPECT_EQ(Convert(polyface, kSettings), 0);
  EXPECT_EQ(record().errorCode, 41);
}

TEST_F(Conversion, BrokenPolylinesGiveDefinedResults) {
  // A VERTEX without its POLYLINE breaks the pass.
  EXPECT_EQ(Convert("0\nVERTEX\n10\n1\n", kSettings), 0);
  EXPECT_EQ(record().errorCode, 4);
  // A POLYLINE never closed by SEQEND is dropped; meshes make nothing.
  EXPECT_EQ(Convert("0\nPOLYLINE\n8\nP\n0\nVERTEX\n10\n1\n0\nVERTEX\n10\n2\n"
                    "0\nPOLYLINE\n70\n16\n0\nVERTEX\n10\n1\n0\nVERTEX\n10\n2\n0\nSEQEND\n",
                    kSettings),
            0);
  EXPECT_EQ(record().errorCode, 41);
  // No vertex: nothing, but a number. One vertex: a start point alone.
  // NaN and enormous bulges make straight pieces; 1e30 a finite arc.
  ASSERT_EQ(Convert("0\nPOLYLINE\n8\nP\n0\nSEQEND\n"
                    "0\nPOLYLINE\n8\nP\n70\n1\n0\nSEQEND\n"
                    "0\nLWPOLYLINE\n8\nP\n20\n5\n42\n1\n10\n3\n"
                    "0\nLWPOLYLINE\n8\nP\n10\n0\n42\nnan\n10\n1\n42\n1e200\n10\n2\n42\n1e30\n10\n3\n",
                    kSettings),
            1);
  const std::string output = Output();
  EXPECT_EQ(output.find("nan"), std::string::npos);
  EXPECT_EQ(output.find("inf"), std::string::npos);
  EXPECT_EQ(output.substr(0, 40), Line("INI", "     2", "3.000", "0.000", "0.000", "0.000", "PF1").substr(0, 40));
  EXPECT_NE(output.find(Line("VER", "     4", "1.000", "0.000", "0.000", "0.000", "PF1")), std::string::npos);
  EXPECT_NE(output.find(Line("VER", "     4", "2.000", "0.000", "0.000", "0.000", "PF1")), std::string::npos);
}

TEST_F(Conversion, HostileInsertsAndAttributes) {
  // A block name of 100000 characters is read 255 at a time: the rest of it
  // is taken for groups without use, the insert names no block of the
  // tables, and the pass ends at the ENDSEC.
  std::string longName = "0\nINSERT\n8\nH\n2\n" + std::string(100000, 'B') + "\n10\n1\n";
  EXPECT_EQ(Convert(longName, std::string(kSettings) + "McrBlock1=HINGE;\n"), 0);
  EXPECT_EQ(record().errorCode, 41);
  // An attribute list that never ends: the file ends inside the pass.
  EXPECT_EQ(ConvertFile("0\nSECTION\n2\nENTITIES\n0\nATTRIB\n2\nT\n1\nV\n2\nT\n1\nV\n", kSettings), 0);
  EXPECT_EQ(record().errorCode, 4);
}

}  // namespace
}  // namespace dxfelem
