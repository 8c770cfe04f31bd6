#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/element_summary.h"
#include "cli/result_json.h"
#include "cli/skip_summary.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {

int RunConvert(const Options& options) {
  const std::string& dxfFile = options.files[0];
  const std::string& outputFile = options.files[1];
  // The picture must not take the place of the drawing, the parameter file
  // or the element file it is drawn from.
  std::string reason;
  if (!options.preview.empty() &&
      !OutputAllowed(options.preview, "picture", dxfFile, options.parameterFile, options.section, reason, false)) {
    Tell(reason);
    return kExitFailed;
  }
  if (!options.preview.empty() &&
      !OutputAllowed(options.preview, "picture", outputFile, "", "", reason, false, "element file")) {
    Tell(reason);
    return kExitFailed;
  }
  const Settings settings = FileSettings(options.parameterFile, options.section);
  // Empty names: the built-in settings, nothing written back, and no
  // completion file.
  const Report report(
      dxfelem_convert(dxfFile.c_str(), outputFile.c_str(), settings.get(), options.completionFile.c_str()));
  if (!report) {
    Tell("no memory to convert " + dxfFile);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  const int code = dxfelem_report_code(report.get());
  if (code < 0) {
    Tell(dxfelem_report_message(report.get()));
    return kExitFailed;
  }
  const bool done = dxfelem_report_ok(report.get()) == 1;
  if (options.json) PrintData(ResultJson(done ? 1 : 0, RecordOf(report.get())));
  // A drawing that could not be read is read again in strict pairs, to
  // name the line where it breaks; --summary tells the skips per layer.
  const bool unreadable =
      code == DXFELEM_E_NOT_DXF || code == DXFELEM_E_SECTIONS || code == DXFELEM_E_MEMORY_OR_ENTITIES;
  const bool surveyed = (!done && unreadable) || (options.summary && done);
  const Report survey(surveyed ? dxfelem_survey(dxfFile.c_str(), settings.get()) : nullptr);
  if (options.summary && done) {
    PrintData(SummarizeLayers(report.get()));
    PrintData(SkipsPerLayer(survey.get()));
  }
  if (!options.preview.empty() && done && !WritePreview(outputFile, options.preview, true)) {
    Tell(dxfelem_report_message(report.get()));
    return FinishOutput(kExitFailed);
  }
  Tell(dxfelem_report_message(report.get()));
  if (!done && unreadable) {
    const std::string problem = survey ? dxfelem_report_problem(survey.get()) : "";
    if (survey && dxfelem_report_ok(survey.get()) != 1) Tell(dxfelem_report_message(survey.get()));
    else if (!problem.empty()) Tell(dxfFile + ", " + problem);
  }
  // What the drawing holds that the conversion left out, so that nothing
  // vanishes without a word.
  if (!options.quiet && (done || code == DXFELEM_E_NO_ELEMENTS)) {
    const std::vector<Skip> skips = LeftOutOf(report.get());
    const long splinesFollowed = MadeOf(report.get(), "SPLINE");
    if (!skips.empty()) std::fputs(("dxfelem: skipped\n" + SkipLines(skips)).c_str(), stderr);
    if (splinesFollowed > 0) Tell(std::to_string(splinesFollowed) + " SPLINEs followed by arcs within SplineToll");
  }
  return FinishOutput(done ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
