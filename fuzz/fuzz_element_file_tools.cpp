// What the tool does with an element file besides rewriting it, through the
// people's API: the check of its lines, its picture and its DXF. The first
// byte says whether files that are no element files are forced through;
// the rest is the file. A DXF written from it must read back whole.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int force = data[0] & 1;
  const std::string path = dxfelem::fuzz::WriteInput("e.txt", data + 1, size - 1);
  dxfelem_report* check = dxfelem_check_element_file(path.c_str());
  if (dxfelem_report_message(check) == nullptr) std::abort();
  const bool elementFile = dxfelem_report_ok(check) == 1;
  dxfelem_report_free(check);

  const std::string svg = dxfelem::fuzz::Workspace() + "/e.svg";
  const std::string dxf = dxfelem::fuzz::Workspace() + "/e.dxf";
  for (const std::string* output : {&svg, &dxf}) {
    const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
    dxfelem_report* report = output == &svg ? dxfelem_preview(path.c_str(), svg.c_str(), force)
                                            : dxfelem_todxf(path.c_str(), dxf.c_str(), force);
    const bool ok = dxfelem_report_ok(report) == 1;
    dxfelem_report_free(report);
    // An element file is never refused; a refused one leaves everything as it was.
    if (elementFile && !ok) std::abort();
    if (!ok) dxfelem::fuzz::CheckNothingLost(before, {});
    dxfelem::fuzz::CheckNoDebris();
    if (ok && output == &dxf) {
      dxfelem_report* back = dxfelem_survey(dxf.c_str(), nullptr);
      if (dxfelem_report_ok(back) != 1 || std::string(dxfelem_report_problem(back)) != "") std::abort();
      dxfelem_report_free(back);
    }
  }
  return 0;
}
