// dxfelem check: a drawing per finding, worked by hand, through the library
// (the tool's exit status and JSON, and crowded drawings:
// tests/data/transcripts/drawing-check.t).
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
