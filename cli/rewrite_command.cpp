#include <cstdio>

#include "cli/commands.h"
#include "cli/result_json.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {

int RunRewrite(const Options& options) {
  const std::string& elementFile = options.files[0];
  const Settings settings = FileSettings(options.parameterFile, options.section);
  const Report report(dxfelem_rewrite(elementFile.c_str(), options.layer.c_str(), options.operation, options.a,
                                      options.b, settings.get(), options.force ? 1 : 0,
                                      options.completionFile.c_str()));
  if (!report) {
    Tell("no memory to rewrite " + elementFile);
    return kExitFailed;
  }
  const int code = dxfelem_report_code(report.get());
  if (code < 0) {
    Tell(dxfelem_report_message(report.get()));
    return kExitFailed;
  }
  const bool done = dxfelem_report_ok(report.get()) == 1;
  constexpr int32_t kReportDirections = 4;
  if (done && options.operation == kReportDirections) {
    char line[96];
    std::snprintf(line, sizeof line, "start %.6f end %.6f\n", dxfelem_report_value(report.get(), 1),
                  dxfelem_report_value(report.get(), 2));
    PrintData(line);
  }
  if (options.json) PrintData(ResultJson(done ? 1 : 0, RecordOf(report.get())));
  Tell(dxfelem_report_message(report.get()));
  return FinishOutput(done ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
