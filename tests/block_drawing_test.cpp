// Blocks drawn where their INSERTs place them (EsplodiBlocchi 1): placements
// worked out by hand and the bounds (a drawing of every kind of placement
// against ezdxf's own explosion: tests/data/transcripts/ezdxf-checks.t).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/element_lines.h"

namespace dxfelem {
namespace {

class BlockDrawing : public ::testing::Test, public test::InlineConversion {
 protected:
  // "CODE X Y LAYER" per node, as printed (three decimals).
  std::string Nodes() const {
    std::istringstream lines(Output());
    std::string line;
    std::string nodes;
    while (std::getline(lines, line)) {
      std::vector<std::string> fields;
      std::istringstream parts(line);
      std::string field;
      while (std::getline(parts, field, ',')) fields.push_back(field.substr(0, field.find_last_not_of(" \r") + 1));
      nodes += fields[0] + " " + fields[2] + " " + fields[3] + " " + fields[6] + "\n";
    }
    return nodes;
  }
};

// Every layer gets face 1's name (Side1); three decimals are rounded to two.
const char kSettings[] = "Connect=0\nDecimaliTxt=3\nEsplodiBlocchi=1\n";

// A block with its base at (1, 0): a LINE on layer 0, a LINE on its own
// layer, and a quarter arc about (0, 0) from (1, 0) to (0, 1).
const std::string kBlocks =
    "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nSQ\n70\n0\n10\n1\n20\n0\n30\n0\n"
    "0\nLINE\n8\n0\n10\n1\n20\n0\n11\n11\n21\n0\n"
    "0\nLINE\n8\nOWN\n10\n1\n20\n0\n11\n1\n21\n5\n"
    "0\nARC\n8\n0\n10\n1\n20\n0\n40\n1\n50\n0\n51\n90\n0\nENDBLK\n"
    // OUTER holds SQ on layer 0 and a line of its own on layer 0.
    "0\nBLOCK\n2\nOUTER\n10\n0\n20\n0\n0\nINSERT\n8\n0\n2\nSQ\n10\n1\n20\n1\n"
    "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n0\n21\n1\n0\nENDBLK\n"
    // SELF draws a line and itself, moved.
    "0\nBLOCK\n2\nSELF\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nINSERT\n2\nSELF\n10\n0\n20\n1\n0\nENDBLK\n"
    // HOST holds a call of the named block MAC.
    "0\nBLOCK\n2\nHOST\n0\nINSERT\n8\n0\n2\nMAC\n10\n2\n20\n1\n50\n30\n0\nENDBLK\n0\nENDSEC\n";

std::string Drawing(const std::string& entities) {
  return kBlocks + "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

// Arrays draw every place; a block inserting itself is drawn 16 deep (the
// placements, nesting included, are worked by hand in tests/data/worked).
TEST_F(BlockDrawing, ArraysAndSelfInsertion) {
  // 2 columns 20 apart, 2 rows 15 apart, along the axes turned a quarter.
  ASSERT_EQ(ConvertFile(Drawing("0\nINSERT\n8\nA\n2\nSQ\n50\n90\n70\n2\n71\n2\n44\n20\n45\n15\n"), kSettings), 1);
  std::string starts;
  std::istringstream nodes(Nodes());
  for (std::string line; std::getline(nodes, line);) {
    if (line.rfind("INI", 0) == 0 && line.find("OWN") != std::string::npos) starts += line.substr(4) + ";";
  }
  EXPECT_EQ(starts, "0.000 0.000 OWNSide1;0.000 20.000 OWNSide1;-15.000 0.000 OWNSide1;-15.000 20.000 OWNSide1;");
  ASSERT_EQ(ConvertFile(Drawing("0\nINSERT\n8\nS\n2\nSELF\n"), kSettings), 1);
  const std::string self = Nodes();
  EXPECT_EQ(std::count(self.begin(), self.end(), '\n'), 32) << self;
  EXPECT_NE(self.find("INI 0.000 15.000 SSide1"), std::string::npos);
  EXPECT_EQ(self.find("INI 0.000 16.000 SSide1"), std::string::npos);
}

// Every kind drawn through an INSERT (at (10, 0), turned a quarter,
// doubled) gives the element file of the same entity written where the
// INSERT places it: p goes to (10 - 2 p.y, 2 p.x).
TEST_F(BlockDrawing, EveryKindAsIfWrittenInPlace) {
  const struct {
    const char* kind;
    std::string inBlock;
    std::string inPlace;
  } kCases[] = {
      {"TEXT", "0\nTEXT\n8\nT\n10\n1\n20\n0\n40\n2\n50\n0\n1\nAB\n",
       "0\nTEXT\n8\nT\n10\n10\n20\n2\n40\n4\n50\n90\n1\nAB\n"},
      {"MTEXT", "0\nMTEXT\n8\nT\n10\n1\n20\n0\n40\n2\n11\n1\n21\n0\n1\nAB\n",
       "0\nMTEXT\n8\nT\n10\n10\n20\n2\n40\n4\n11\n0\n21\n2\n1\nAB\n"},
      {"POINT", "0\nPOINT\n8\nP\n10\n1\n20\n2\n", "0\nPOINT\n8\nP\n10\n6\n20\n2\n"},
      {"SOLID", "0\nSOLID\n8\nS\n10\n0\n20\n0\n11\n1\n21\n0\n12\n0\n22\n1\n13\n1\n23\n1\n",
       "0\nSOLID\n8\nS\n10\n10\n20\n0\n11\n10\n21\n2\n12\n8\n22\n0\n13\n8\n23\n2\n"},
      {"3DFACE", "0\n3DFACE\n8\nF\n10\n0\n20\n0\n11\n1\n21\n0\n12\n1\n22\n1\n13\n0\n23\n1\n",
       "0\n3DFACE\n8\nF\n10\n10\n20\n0\n11\n10\n21\n2\n12\n8\n22\n2\n13\n8\n23\n0\n"},
      {"CIRCLE", "0\nCIRCLE\n8\nC\n10\n1\n20\n1\n40\n0.5\n", "0\nCIRCLE\n8\nC\n10\n8\n20\n2\n40\n1\n"},
      {"ARC", "0\nARC\n8\nC\n10\n0\n20\n0\n40\n1\n50\n0\n51\n90\n",
       "0\nARC\n8\nC\n10\n10\n20\n0\n40\n2\n50\n90\n51\n180\n"},
      {"ELLIPSE", "0\nELLIPSE\n8\nE\n10\n1\n20\n0\n11\n1\n21\n0\n40\n0.5\n41\n0\n42\n6.283185307179586\n",
       "0\nELLIPSE\n8\nE\n10\n10\n20\n2\n11\n0\n21\n2\n40\n0.5\n41\n0\n42\n6.283185307179586\n"},
      {"LWPOLYLINE", "0\nLWPOLYLINE\n8\nW\n10\n0\n20\n0\n42\n0.5\n10\n1\n20\n0\n10\n1\n20\n1\n",
       "0\nLWPOLYLINE\n8\nW\n10\n10\n20\n0\n42\n0.5\n10\n10\n20\n2\n10\n8\n20\n2\n"},
      {"POLYLINE",
       "0\nPOLYLINE\n8\nH\n66\n1\n70\n8\n0\nVERTEX\n10\n0\n20\n0\n30\n1\n0\nVERTEX\n10\n1\n20\n1\n0\nSEQEND\n",
       "0\nPOLYLINE\n8\nH\n66\n1\n70\n8\n0\nVERTEX\n10\n10\n20\n0\n30\n2\n0\nVERTEX\n10\n8\n20\n2\n0\nSEQEND\n"},
      {"INSERT of a named block", "0\nINSERT\n8\nM\n2\nMAC\n10\n1\n20\n1\n",
       "0\nINSERT\n8\nM\n2\nMAC\n10\n8\n20\n2\n41\n2\n42\n2\n43\n2\n50\n90\n"},
  };
  const std::string settings = std::string(kSettings) + "McrBlock1=MAC;\nAltezza3D=1\n";
  for (const auto& [kind, inBlock, inPlace] : kCases) {
    const std::string drawn = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nK\n10\n0\n20\n0\n" + inBlock +
                              "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nI\n2\nK\n10\n10\n41\n2\n"
                              "42\n2\n43\n2\n50\n90\n0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(ConvertFile(drawn, settings), 1) << kind;
    const std::string throughInsert = Output();
    ASSERT_EQ(ConvertFile("0\nSECTION\n2\nENTITIES\n" + inPlace + "0\nENDSEC\n0\nEOF\n", settings), 1) << kind;
    EXPECT_EQ(throughInsert, Output()) << kind;
    EXPECT_FALSE(throughInsert.empty()) << kind;
  }
}

// Without the setting (absent, 0 or anything but 1) a block is not drawn,
// and the key is written back only by a section that has it.
TEST_F(BlockDrawing, TheSettingIsOneOrNothing) {
  const std::string drawing = Drawing("0\nINSERT\n8\nA\n2\nSQ\n0\nLINE\n8\nL\n11\n1\n");
  for (const char* setting : {"", "EsplodiBlocchi=0\n", "EsplodiBlocchi=2\n", "EsplodiBlocchi=yes\n"}) {
    ASSERT_EQ(ConvertFile(drawing, std::string("Connect=0\nDecimaliTxt=3\n") + setting), 1) << setting;
    EXPECT_EQ(Nodes(), "INI 0.000 0.000 LSide1\nFIN 1.000 0.000 LSide1\n") << setting;
    EXPECT_EQ(Settings().find("EsplodiBlocchi") != std::string::npos, *setting != '\0') << setting;
  }
  ASSERT_EQ(ConvertFile(drawing, kSettings), 1);
  EXPECT_NE(Settings().find("EsplodiBlocchi=1"), std::string::npos);
}

// What cannot be drawn is refused by the conversion's failure path: an
// array of ten billion places of an empty block, without a wait.
TEST_F(BlockDrawing, ArraysBeyondTheBoundAreRefused) {
  const std::string drawing =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nE\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
      "0\nINSERT\n2\nE\n70\n100000\n71\n100000\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n";
  EXPECT_EQ(ConvertFile(drawing, kSettings), 0);
  EXPECT_EQ(record().errorCode, 4);
}

}  // namespace
}  // namespace dxfelem
