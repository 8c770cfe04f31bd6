// The check of a drawing from DXF bytes, through the people's API: every
// finding worded, the picture with its marks drawn; the check writes
// nothing but the picture.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static dxfelem_settings* settings = [] {
    dxfelem_settings* made = dxfelem_settings_new();
    for (const auto& [key, value] : {std::pair{"Connect", "1"},
                                     {"Tollerance", "0.5"},
                                     {"RadiusMin", "2"},
                                     {"ArchiEllisse", "2"},
                                     {"Altezza3D", "1"},
                                     {"SplineArchi", "1"},
                                     {"EsplodiBlocchi", "1"},
                                     {"Testo", "1"}}) {
      dxfelem_settings_set(made, key, value);
    }
    return made;
  }();
  const std::string dxf = dxfelem::fuzz::WriteInput("in.dxf", data, size);
  const std::string svg = dxfelem::fuzz::Workspace() + "/check.svg";
  const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  dxfelem_report* report = dxfelem_check(dxf.c_str(), settings, 0.0, svg.c_str());
  for (std::size_t i = 0; i < dxfelem_report_finding_count(report); ++i) {
    // Every finding has a kind and words; the sanitizers watch them read.
    const std::string words =
        std::string(dxfelem_report_finding_layer(report, i)) + ": " + dxfelem_report_finding_text(report, i);
    if (std::string(dxfelem_report_finding_kind(report, i)).empty() || words.size() < 3) std::abort();
  }
  if (dxfelem_report_ok(report) != 1) dxfelem::fuzz::CheckNothingLost(before, {});
  dxfelem_report_free(report);
  dxfelem::fuzz::CheckNoDebris();
  return 0;
}
