// The commands on an element file: its picture (preview) and its DXF
// (todxf), drawn by the library.
#include <cstdio>

#include "cli/commands.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {
namespace {

// Tells what the library's drawing call did; the document onto standard
// output when it names no file.
bool Finish(const Report& report, const std::string& output, bool tellDone) {
  if (!report) {
    Tell("no memory to draw");
    return false;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  if (dxfelem_report_ok(report.get()) != 1) {
    Tell(dxfelem_report_message(report.get()));
    return false;
  }
  if (output.empty()) {
    std::size_t size = 0;
    const char* text = dxfelem_report_text(report.get(), &size);
    PrintData(std::string(text, size));
  } else if (tellDone) {
    Tell(dxfelem_report_message(report.get()));
  }
  return true;
}

}  // namespace

bool WritePreview(const std::string& elementFile, const std::string& svgFile, bool force) {
  const Report report(dxfelem_preview(elementFile.c_str(), svgFile.c_str(), force ? 1 : 0));
  return Finish(report, svgFile, false);
}

int RunToDxf(const Options& options) {
  const Report report(dxfelem_todxf(options.files[0].c_str(), options.preview.c_str(), options.force ? 1 : 0));
  return FinishOutput(Finish(report, options.preview, true) ? kExitSuccess : kExitFailed);
}

int RunPreview(const Options& options) {
  const Report report(dxfelem_preview(options.files[0].c_str(), options.preview.c_str(), options.force ? 1 : 0));
  return FinishOutput(Finish(report, options.preview, true) ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
