// Polylines, inserts and attributes through the whole conversion: meshes,
// broken and hostile input (the hand-worked files are in tests/data/worked).
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

// The same INSERTs and attributes as the worked drawing named-blocks-attributes.
TEST_F(PolylinesAndInserts, ExcludedBlocksKeepTheirAttributes) {
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
