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
