// Small drawings through the whole conversion, compared byte for byte with
// element files worked out by hand from the rules.
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

TEST_F(Conversion, EveryBasicEntityHandWorked) {
  const std::string entities =
      "0\nLINE\n5\n1F\n100\nAcDbLine\n8\nA\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n"
      "0\nPOINT\n8\nP\n10\n1.23456\n20\n2\n30\n3\n"
      "0\nSPLINE\n8\nS\n10\n1\n20\n2\n"
      "0\nCIRCLE\n8\nH\n10\n5\n20\n5\n40\n2\n"
      "0\nCIRCLE\n8\nC\n10\n20\n20\n0\n40\n10\n"
      "0\nARC\n8\nR\n10\n0\n20\n0\n40\n10\n50\n0\n51\n90\n"
      "0\nLINE\n8\nX\n210\n0\n220\n0\n230\n2\n10\n0\n11\n1\n"
      "0\nLINE\n8\nX\n210\n0.6\n220\n0\n230\n0.8\n10\n0\n11\n1\n"
      "0\nSOLID\n8\nS\n10\n0\n20\n0\n11\n1\n21\n0\n12\n0\n22\n1\n13\n1\n23\n1\n39\n3\n"
      "0\n3DFACE\n8\nT\n10\n0\n20\n0\n30\n0\n11\n2\n21\n0\n31\n0\n12\n2\n22\n2\n32\n0\n"
      "0\nDIMENSION\n8\nD\n10\n0\n"
      "0\nSHAPE\n8\nD\n10\n0\n";
  // Connect 0: every entity's own elements, unjoined.
  ASSERT_EQ(Convert(entities, "Connect=0\nRadiusMin=5\nDecimaliTxt=3\nSideInp1=F1,0;\n"), 1) << record().errorCode;
  const std::string expected =
      // LINE: as read, face 1's name appended.
      Line("INI", "     1", "0.000", "0.000", "0.000", "0.000", "AF1") +
      Line("FIN", "     1", "10.000", "0.000", "0.000", "0.000", "AF1") +
      // POINT: 1.23456 read as 1.2346, written rounded to 1.23; value 0.001 to 0.
      Line("ISO", "     2", "1.230", "2.000", "3.000", "0.000", "PF1") +
      // CIRCLE of radius 2, below RadiusMin 5: a hole with its radius.
      Line("ISO", "     3", "5.000", "5.000", "0.000", "2.000", "HF1") +
      // CIRCLE of radius 10: from its leftmost point through the opposite one.
      Line("INI", "     4", "10.000", "0.000", "0.000", "0.000", "CF1") +
      Line("MED", "     4", "30.000", "0.000", "0.000", "0.000", "CF1") +
      Line("FIN", "     4", "10.000", "0.000", "0.000", "0.000", "CF1") +
      // ARC 0 to 90 degrees: the end's x (10 cos 1.5707963268) snaps to 0;
      // the middle 7.0710678 is rounded to 7.07.
      Line("INI", "     5", "10.000", "0.000", "0.000", "0.000", "RF1") +
      Line("MED", "     5", "7.070", "7.070", "0.000", "0.000", "RF1") +
      Line("FIN", "     5", "0.000", "10.000", "0.000", "0.000", "RF1") +
      // The two LINEs with a long or an oblique extrusion are dropped without
      // a number. SOLID: four edges 1-2, 2-4, 4-3, 3-1 at z = thickness.
      Line("INI", "     6", "0.000", "0.000", "3.000", "0.000", "SF1") +
      Line("FIN", "     6", "1.000", "0.000", "3.000", "0.000", "SF1") +
      Line("INI", "     7", "1.000", "0.000", "3.000", "0.000", "SF1") +
      Line("FIN", "     7", "1.000", "1.000", "3.000", "0.000", "SF1") +
      Line("INI", "     8", "1.000", "1.000", "3.000", "0.000", "SF1") +
      Line("FIN", "     8", "0.000", "1.000", "3.000", "0.000", "SF1") +
      Line("INI", "     9", "0.000", "1.000", "3.000", "0.000", "SF1") +
      Line("FIN", "     9", "0.000", "0.000", "3.000", "0.000", "SF1") +
      // A triangular 3DFACE: one closed path, its third edge of length 0.
      Line("INI", "    10", "0.000", "0.000", "0.000", "0.000", "TF1") +
      Line("VER", "    10", "2.000", "0.000", "0.000", "0.000", "TF1") +
      Line("VER", "    10", "2.000", "2.000", "0.000", "0.000", "TF1") +
      Line("VER", "    10", "2.000", "2.000", "0.000", "0.000", "TF1") +
      Line("FIN", "    10", "0.000", "0.000", "0.000", "0.000", "TF1");
  EXPECT_EQ(Output(), expected);
}

TEST_F(Conversion, ThreeDimensionalPanelsUseExtrusionsAndThickness) {
  const std::string entities =
      // Thickness 5 below a face turned down: both ends lowered by 5.
      "0\nLINE\n8\nL\n39\n5\n210\n0\n220\n0\n230\n-1\n10\n1\n20\n2\n30\n0\n11\n4\n21\n2\n31\n0\n"
      // An oblique line is kept in 3D and used as read, without a face.
      "0\nLINE\n8\nO\n210\n0.6\n220\n0\n230\n0.8\n10\n0\n11\n1\n"
      // A POINT on the back face: x' = -x, y' = z, z' = y, then z + thickness.
      "0\nPOINT\n8\nP\n39\n1\n210\n0\n220\n1\n230\n0\n10\n1\n20\n2\n38\n3\n"
      // A CIRCLE on the right face (+X): its centre goes through the frame.
      "0\nCIRCLE\n8\nH\n210\n1\n220\n0\n230\n0\n10\n7\n20\n8\n30\n9\n40\n1\n";
  ASSERT_EQ(Convert(entities,
                    "Altezza3D=1\nRadiusMin=5\nDecimaliTxt=3\n"
                    "SideInp1=@T,0;\nSideInp2=@B,0;\nSideInp3=@F,0;\nSideInp4=@R,0;\nSideInp5=@K,0;\nSideInp6=@L,0;\n"),
            1);
  const std::string expected = Line("INI", "     1", "1.000", "2.000", "-5.000", "0.000", "L@B") +
                               Line("FIN", "     1", "4.000", "2.000", "-5.000", "0.000", "L@B") +
                               Line("INI", "     2", "0.000", "0.000", "0.000", "0.000", "O") +
                               Line("FIN", "     2", "1.000", "0.000", "0.000", "0.000", "O") +
                               // The value 0.001 is rounded to two decimals before it is written.
                               Line("ISO", "     3", "-1.000", "3.000", "3.000", "0.000", "P@K") +
                               // (7, 8, 9) in the +X frame: 7 X + 8 Y + 9 N = (9, 7, 8).
                               Line("ISO", "     4", "9.000", "7.000", "8.000", "1.000", "H@R");
  EXPECT_EQ(Output(), expected);
}

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

}  // namespace
}  // namespace dxfelem
