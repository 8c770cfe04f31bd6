// dxfelem check: a drawing per finding, worked by hand, through the library
// (the tool's exit status and JSON, crowded drawings and texts:
// tests/data/transcripts/drawing-check.t).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

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

}  // namespace
}  // namespace dxfelem
