// Polylines, inserts and attributes through the whole conversion, compared
// with element files worked out by hand.
#include <gtest/gtest.h>

#include <string>

#include "support/element_lines.h"

namespace dxfelem {
namespace {

std::string Line(const char* code, const char* entity, const char* x, const char* y, const std::string& layer,
                 const char* z = "0.000", const char* value = "0.000", const std::string& tag = "*") {
  return test::ElementLine(code, entity, x, y, z, value, layer, tag);
}

class PolylinesAndInserts : public ::testing::Test, public test::InlineConversion {};

// Connect 0: the elements as the readers make them, unjoined.
const char kSettings[] = "Connect=0\nDecimaliTxt=3\nSideInp1=F1,0;\n";

// A closed 10 x 10 square with a half circle bulging out of its right side
// (bulge 1, counter-clockwise) and one out of its left side (bulge -1,
// clockwise).
const char kSquareLight[] =
    "0\nLWPOLYLINE\n5\n2A\n330\n1F\n100\nAcDbEntity\n8\nSQ\n100\nAcDbPolyline\n90\n7\n70\n1\n43\n0.0\n"
    "10\n0\n20\n0\n10\n10\n20\n0\n42\n1\n10\n10\n20\n10\n10\n0\n20\n10\n42\n-1\n";

TEST_F(PolylinesAndInserts, ClosedSquareWithBulgesBothWays) {
  ASSERT_EQ(Convert(std::string(kSquareLight) + "0\nLINE\n8\nL\n11\n1\n", kSettings), 1);
  // The half circle from (10, 0) to (10, 10) about (10, 5) passes (15, 5);
  // the one from (0, 10) back to (0, 0), clockwise about (0, 5), passes
  // (5, 5). One element, one number; the next entity gets the next one.
  const std::string expected =
      Line("INI", "     1", "0.000", "0.000", "SQF1") + Line("VER", "     1", "10.000", "0.000", "SQF1") +
      Line("MED", "     1", "15.000", "5.000", "SQF1") + Line("VER", "     1", "10.000", "10.000", "SQF1") +
      Line("VER", "     1", "0.000", "10.000", "SQF1") + Line("MED", "     1", "5.000", "5.000", "SQF1") +
      Line("FIN", "     1", "0.000", "0.000", "SQF1") + Line("INI", "     2", "0.000", "0.000", "LF1") +
      Line("FIN", "     2", "1.000", "0.000", "LF1");
  EXPECT_EQ(Output(), expected);
}

TEST_F(PolylinesAndInserts, TheHeavyFormGivesTheSameElements) {
  const std::string heavy =
      "0\nPOLYLINE\n8\nSQ\n66\n1\n10\n0\n20\n0\n30\n0\n70\n1\n"
      "0\nVERTEX\n8\nSQ\n10\n0\n20\n0\n"
      "0\nVERTEX\n8\nSQ\n10\n10\n20\n0\n42\n1\n"
      "0\nVERTEX\n8\nSQ\n10\n10\n20\n10\n"
      "0\nVERTEX\n8\nSQ\n10\n0\n20\n10\n42\n-1\n"
      "0\nSEQEND\n8\nSQ\n";
  ASSERT_EQ(Convert(heavy + "0\nLINE\n8\nL\n11\n1\n", kSettings), 1);
  const std::string fromHeavy = Output();
  // An R12 file without HEADER, and the R2000 form with handles and markers.
  ASSERT_EQ(ConvertFile("0\nSECTION\n2\nENTITIES\n" + heavy + "0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n", kSettings),
            1);
  EXPECT_EQ(Output(), fromHeavy);
  ASSERT_EQ(Convert(std::string(kSquareLight) + "0\nLINE\n8\nL\n11\n1\n", kSettings), 1);
  EXPECT_EQ(Output(), fromHeavy);
}

TEST_F(PolylinesAndInserts, OpenPolylinesUseTwoNumbers) {
  const std::string entities =
      // A 3D polyline is drawn like a 2D one; elevation 38 is added to z in
      // single precision, where 4096.0001 is 4096.
      "0\nPOLYLINE\n8\nP\n30\n99\n38\n2.5\n70\n8\n"
      "0\nVERTEX\n10\n4096.0001\n20\n0\n30\n1\n"
      "0\nVERTEX\n10\n1\n20\n2\n30\n0.5\n"
      "0\nSEQEND\n"
      "0\nPOINT\n8\nQ\n10\n7\n";
  ASSERT_EQ(Convert(entities, kSettings), 1);
  EXPECT_EQ(Output(), Line("INI", "     1", "4096.000", "0.000", "PF1", "3.500") +
                          Line("FIN", "     1", "1.000", "2.000", "PF1", "3.000") +
                          Line("ISO", "     3", "7.000", "0.000", "QF1"));
}

TEST_F(PolylinesAndInserts, CodedLayersGiveLoosePieces) {
  // McrLayer gives layer CUT the code 1050: no start point, every straight
  // piece a new element with a new number; a bulge arc still joins the
  // element made last, with its number.
  const std::string square =
      "0\nLWPOLYLINE\n8\nCUT\n70\n1\n10\n0\n20\n0\n10\n10\n20\n0\n42\n1\n10\n10\n20\n10\n10\n0\n20\n10\n"
      "0\nPOINT\n8\nQ\n10\n7\n";
  ASSERT_EQ(Convert(square, std::string(kSettings) + "McrLayer1=CUT,1050;\n"), 1);
  EXPECT_EQ(Output(),
            Line("INI", "     1", "0.000", "0.000", "CUTF1") + Line("VER", "     1", "10.000", "0.000", "CUTF1") +
                Line("MED", "     1", "15.000", "5.000", "CUTF1") + Line("FIN", "     1", "10.000", "10.000", "CUTF1") +
                Line("INI", "     2", "10.000", "10.000", "CUTF1") + Line("FIN", "     2", "0.000", "10.000", "CUTF1") +
                Line("INI", "     3", "0.000", "10.000", "CUTF1") + Line("FIN", "     3", "0.000", "0.000", "CUTF1") +
                Line("ISO", "     4", "7.000", "0.000", "QF1"));
}

TEST_F(PolylinesAndInserts, InsertsOfNamedBlocksAndTheirAttributes) {
  const std::string entities =
      // An attribute before any insert: empty block and layer, number 0.
      "0\nATTRIB\n8\nX\n2\nFIRST\n1\nv0\n"
      "0\nINSERT\n8\nH\n2\nHINGE\n10\n10\n20\n20\n41\n2\n42\n2\n50\n90\n70\n3\n71\n2\n44\n5\n45\n5\n"
      "0\nATTRIB\n8\nIGNORED\n10\n1\n20\n1\n2\nPOS\n1\nA 1\n"
      "0\nINSERT\n8\nD\n2\nDoor\n"  // DOOR is named, Door is not: nothing
      "0\nATTRIB\n2\nTAG\n1\nafter Door\n"
      "0\nATTDEF\n8\nH\n2\nTAG\n3\nPrompt\n1\ndefault\n"
      "0\nINSERT\n8\nH\n2\nSUB\n"
      "0\nSEQEND\n";  // an insert's attributes end with a SEQEND: nothing to close
  ASSERT_EQ(Convert(entities, std::string(kSettings) + "McrBlock1=HINGE;\nOprBlock1=DOOR;\nSubBlock1=SUB;\n"), 1);
  EXPECT_EQ(Output(), Line("PAR", "     0", "0.000", "0.000", "FIRST", "0.000", "0.000", "v0") +
                          Line("MCR", "     1", "10.000", "20.000", "HF1", "0.000", "0.000", "HINGE") +
                          Line("APL", "     1", "2.000", "2.000", "HF1", "1.000", "90.000", "HINGE") +
                          Line("PAR", "     1", "0.000", "0.000", "POS", "0.000", "0.000", "A 1") +
                          Line("PAR", "     1", "0.000", "0.000", "TAG", "0.000", "0.000", "after Door") +
                          Line("MCR", "     2", "0.000", "0.000", "HF1", "0.000", "0.000", "SUB") +
                          Line("APL", "     2", "1.000", "1.000", "HF1", "1.000", "0.000", "SUB"));

  // EscludeBlocchi suppresses every insert; the attributes remain.
  ASSERT_EQ(Convert(entities, std::string(kSettings) + "McrBlock1=HINGE;\nEscludeBlocchi=1\n"), 1);
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
TEST_F(PolylinesAndInserts, MeshesMakeNothing) {
  const std::string polyface =
      "0\nPOLYLINE\n8\nM\n66\n1\n70\n64\n71\n4\n72\n1\n"
      "0\nVERTEX\n8\nM\n10\n1\n20\n2\n30\n3\n70\n192\n0\nVERTEX\n8\nM\n10\n4\n20\n5\n30\n6\n70\n192\n"
      "0\nVERTEX\n8\nM\n10\n7\n20\n8\n30\n9\n70\n192\n"
      "0\nVERTEX\n8\nM\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n3\n0\nSEQEND\n";
  for (const char* flags : {"16", "32", "48", "64", "65", "72"}) {
    std::string mesh = polyface;
    mesh.replace(mesh.find("70\n64"), 6, std::string("70\n") + flags);
    ASSERT_EQ(Convert(mesh + "0\nLINE\n8\nL\n11\n1\n", kSettings), 1) << flags;
    EXPECT_EQ(Output(), Line("INI", "     1", "0.000", "0.000", "LF1") + Line("FIN", "     1", "1.000", "0.000", "LF1"))
        << flags;
  }
  // A mesh alone: nothing became an element.
  EXPECT_EQ(Convert(polyface, kSettings), 0);
  EXPECT_EQ(record().errorCode, 41);
}

TEST_F(PolylinesAndInserts, BrokenPolylinesGiveDefinedResults) {
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
  EXPECT_EQ(output.substr(0, 40), Line("INI", "     2", "3.000", "0.000", "PF1").substr(0, 40));
  EXPECT_NE(output.find(Line("VER", "     4", "1.000", "0.000", "PF1")), std::string::npos);
  EXPECT_NE(output.find(Line("VER", "     4", "2.000", "0.000", "PF1")), std::string::npos);
}

TEST_F(PolylinesAndInserts, HostileInsertsAndAttributes) {
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
