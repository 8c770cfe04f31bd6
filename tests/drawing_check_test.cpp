// dxfelem check: a drawing per finding, worked by hand, through the library
// (the tool's exit status and JSON: tests/data/transcripts/drawing-check.t).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

std::string Line(const char* layer, double x0, double y0, double x1, double y1) {
  return std::string("0\nLINE\n8\n") + layer + "\n10\n" + std::to_string(x0) + "\n20\n" + std::to_string(y0) +
         "\n11\n" + std::to_string(x1) + "\n21\n" + std::to_string(y1) + "\n";
}

std::string Drawing(const std::string& entities, const std::string& header = "") {
  return "0\nSECTION\n2\nHEADER\n" + header + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

// "KIND LAYER: TEXT" per finding.
std::string Findings(const std::string& dxf, const std::string& settings, double minLength = 0.0) {
  std::unique_ptr<dxfelem_settings, decltype(&dxfelem_settings_free)> given(dxfelem_settings_new(),
                                                                            dxfelem_settings_free);
  std::size_t at = 0;
  while (at < settings.size()) {
    const std::size_t end = settings.find('\n', at);
    const std::string pair = settings.substr(at, end - at);
    at = end + 1;
    const std::size_t equals = pair.find('=');
    dxfelem_settings_set(given.get(), pair.substr(0, equals).c_str(), pair.substr(equals + 1).c_str());
  }
  std::unique_ptr<dxfelem_report, decltype(&dxfelem_report_free)> report(
      dxfelem_check(dxf.c_str(), given.get(), minLength, nullptr), dxfelem_report_free);
  EXPECT_EQ(dxfelem_report_ok(report.get()), 1) << dxfelem_report_message(report.get());
  std::string found;
  for (std::size_t i = 0; i < dxfelem_report_finding_count(report.get()); ++i) {
    found += std::string(dxfelem_report_finding_kind(report.get(), i)) + " " +
             dxfelem_report_finding_layer(report.get(), i) + ": " + dxfelem_report_finding_text(report.get(), i) + "\n";
  }
  return found;
}

// A closed square of side 1 on layer Q.
std::string Square(double x, double y) {
  return "0\nLWPOLYLINE\n8\nQ\n70\n1\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n10\n" +
         std::to_string(x + 1) + "\n20\n" + std::to_string(y) + "\n10\n" + std::to_string(x + 1) + "\n20\n" +
         std::to_string(y + 1) + "\n10\n" + std::to_string(x) + "\n20\n" + std::to_string(y + 1) + "\n";
}

const std::string kSquare = Line("CUT", 0, 0, 10, 0) + Line("CUT", 10, 0, 10, 10) + Line("CUT", 10, 10, 0, 10);

TEST(DrawingCheck, EachFindingOnADrawingWorkedByHand) {
  const std::vector<std::string> drawings = test::DrawingsIn(DXFELEM_TEST_DATA "/check");
  for (const std::string& drawing : drawings) {
    std::string settings = test::ReadFileBytes(drawing + ".settings");
    double minLength = 0.0;
    if (const std::size_t at = settings.find("min-length="); at != std::string::npos) {
      minLength = std::stod(settings.substr(at + 11));
      settings.erase(at);
    }
    EXPECT_EQ(Findings(drawing + ".dxf", settings, minLength), test::ReadFileBytes(drawing + ".findings")) << drawing;
  }
  EXPECT_GE(drawings.size(), 12u);
}

// A crowd of small pieces among large ones: the cell they share (the
// grid follows the 1000 long sides) is split until they spread, and every
// crossing is still told once. 150 diamonds of radius 5 whose centres lie
// half a unit apart on the x axis: each crosses the 19 after it twice and
// touches the 20th at a corner, 19 * 131 + 18 * 19 / 2 = 2660 pairs. The
// first and the 20th cross where x + |y| = 5 meets x - |y| = 4.5.
TEST(DrawingCheck, ACrowdedCellFindsEveryCrossingOnce) {
  test::TempDir dir;
  std::string shapes;
  for (int i = 0; i < 250; ++i) {
    shapes += "0\nLWPOLYLINE\n8\nQ\n70\n1\n10\n" + std::to_string(3000 * i) + "\n20\n5000\n10\n" +
              std::to_string(3000 * i + 1000) + "\n20\n5000\n10\n" + std::to_string(3000 * i + 1000) +
              "\n20\n6000\n10\n" + std::to_string(3000 * i) + "\n20\n6000\n";
  }
  for (int i = 0; i < 150; ++i) {
    const auto x = [i](double dx) { return std::to_string(0.5 * i + dx); };
    shapes += "0\nLWPOLYLINE\n8\nQ\n70\n1\n10\n" + x(-5) + "\n20\n0\n10\n" + x(0) + "\n20\n-5\n10\n" + x(5) +
              "\n20\n0\n10\n" + x(0) + "\n20\n5\n";
  }
  const std::string found = Findings(dir.Write("c.dxf", Drawing(shapes)), "Tollerance=0.01\nConnect=1\n");
  const auto count = [&found](const std::string& what) {
    std::size_t times = 0;
    for (std::size_t at = found.find(what); at != std::string::npos; at = found.find(what, at + 1)) ++times;
    return times;
  };
  EXPECT_EQ(count("crossing QSide1: "), 2660u);
  EXPECT_EQ(count("(2 crossings)\n"), 2660u);
  EXPECT_NE(found.find("crossing QSide1: the closed profiles from (-5, 0) and from (4.5, 0) cross at (4.75, -0.25) (2 "
                       "crossings)\n"),
            std::string::npos);
}

// Long pieces among many small ones go to the cells along them: the side
// y = x + 0.5 of a large triangle crosses 400 unit squares at (2k, 2k),
// each where it enters on the left and leaves at the top.
TEST(DrawingCheck, ALongPieceIsMetInEveryCellAlongIt) {
  test::TempDir dir;
  std::string shapes;
  for (int k = 1; k <= 400; ++k) shapes += Square(2 * k, 2 * k);
  shapes += "0\nLWPOLYLINE\n8\nQ\n70\n1\n10\n0\n20\n0.5\n10\n1000\n20\n1000.5\n10\n1000\n20\n0.5\n";
  const std::string found = Findings(dir.Write("l.dxf", Drawing(shapes)), "Tollerance=0.01\nConnect=1\n");
  std::size_t crossings = 0;
  for (std::size_t at = found.find("(2 crossings)\n"); at != std::string::npos;
       at = found.find("(2 crossings)\n", at + 1)) {
    ++crossings;
  }
  EXPECT_EQ(crossings, 400u);
  EXPECT_NE(
      found.find("crossing QSide1: the closed profiles from (800, 800) and from (0, 0.5) cross at (800, 800.5) (2 "
                 "crossings)\n"),
      std::string::npos)
      << found.substr(0, 1000);
}

// 900 copies of one square in one place (an array of 30 by 30 with no
// spacing): every pair of their sides would be met; the search for
// crossings stops and says so, and the other checks still tell theirs.
TEST(DrawingCheck, PiecesPiledOntoOnePlaceCutTheCrossingsShort) {
  test::TempDir dir;
  const std::string drawing =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nSQ\n10\n0\n20\n0\n" + Square(0, 0) +
      "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n8\nQ\n2\nSQ\n10\n0\n20\n0\n70\n30\n71\n30\n"
      "44\n0\n45\n0\n0\nENDSEC\n0\nEOF\n";
  const std::string found = Findings(dir.Write("p.dxf", drawing), "Tollerance=0.01\nConnect=1\nEsplodiBlocchi=1\n");
  EXPECT_NE(found.find("check cut short : crossings were looked for in part"), std::string::npos)
      << found.substr(0, 500);
  EXPECT_NE(found.find("double cut QSide1: cut twice over 1 from (0, 0) to (1, 0)\n"), std::string::npos);
}

// A block drawn 10^300 times its size beside unit squares: its sides have
// no finite length, and the cells along them stay a few per step; the
// check ends at once and tells the squares' crossings with it.
TEST(DrawingCheck, ADrawingScaledBeyondAnySizeIsCheckedAtOnce) {
  test::TempDir dir;
  std::string squares;
  for (int i = 0; i < 50; ++i) squares += Square(0.5 * i, 0.5 * i);
  const std::string drawing = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nSQ\n10\n0\n20\n0\n" + Square(0, 0) +
                              "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + squares +
                              "0\nINSERT\n8\nQ\n2\nSQ\n10\n0\n20\n0\n41\n1e300\n42\n1e300\n0\nENDSEC\n0\nEOF\n";
  const std::string found = Findings(dir.Write("h.dxf", drawing), "Tollerance=0.01\nConnect=1\nEsplodiBlocchi=1\n");
  EXPECT_NE(found.find("crossing QSide1: the closed profiles from (0, 0) and from (0.5, 0.5) cross at (0.5, 1) (2 "
                       "crossings)\n"),
            std::string::npos)
      << found.substr(0, 500);
}

// Texts: a face the font system does not have is told with the one it gave
// (which depends on the machine's fonts), and letters lower than the gap
// between them (a drawing in metres with settings in millimetres).
TEST(DrawingCheck, TextsInASubstituteFaceOrSpreadWide) {
  test::TempDir dir;
  const std::string text = "0\nTEXT\n8\nT\n10\n0\n20\n0\n40\n0.2\n1\nAB\n";
  const std::string found =
      Findings(dir.Write("t.dxf", Drawing(kSquare + Line("CUT", 0, 10, 0, 0) + text)), "Testo=1\nSpazioFont=5\n");
  EXPECT_NE(found.find("text : the face Txt was asked for; the texts were drawn in "), std::string::npos) << found;
  EXPECT_NE(found.find("text : 1 text is lower than the gap between letters (SpazioFont 5), the lowest 0.2: a word "
                       "spreads far wider than it is high\n"),
            std::string::npos)
      << found;
  // A letter gap below the text's height is no finding.
  EXPECT_EQ(
      Findings(dir.Write("t.dxf", Drawing(kSquare + Line("CUT", 0, 10, 0, 0) + text)), "Testo=1\nSpazioFont=0.1\n")
          .find("lower than the gap"),
      std::string::npos);
}

}  // namespace
}  // namespace dxfelem
