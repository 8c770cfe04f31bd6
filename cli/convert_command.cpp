#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/drawing_survey.h"
#include "cli/element_summary.h"
#include "cli/file_checks.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
#include "cli/skip_summary.h"
#include "cli/tool_output.h"
#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {

int RunConvert(const Options& options) {
  const std::string& dxfFile = options.files[0];
  const std::string& outputFile = options.files[1];
  std::string reason;
  if (!CheckOutputName(outputFile, "element file", dxfFile, options.parameterFile, reason) ||
      !CheckParameterFile(options.parameterFile, options.section, reason)) {
    Tell(reason);
    return kExitFailed;
  }
  ConversionResult record{};
  // Empty names: the built-in settings, nothing written back, and no
  // completion file (a file that cannot be created is ignored).
  const int32_t returned = DxfToTxt(options.parameterFile.c_str(), options.section.c_str(), dxfFile.c_str(),
                                    outputFile.c_str(), options.completionFile.c_str(), &record);
  if (options.json) PrintData(ResultJson(returned, record));
  // The drawing read in pairs, once, for whatever below tells of it.
  const bool unreadable = record.errorCode == DXFELEM_E_NOT_DXF || record.errorCode == DXFELEM_E_SECTIONS ||
                          record.errorCode == DXFELEM_E_MEMORY_OR_ENTITIES;
  const bool tellSkips = !options.quiet && (returned == 1 || record.errorCode == DXFELEM_E_NO_ELEMENTS);
  const bool surveyed = (returned != 1 && unreadable) || tellSkips || (options.summary && returned == 1);
  const DrawingSurvey survey = surveyed ? SurveyDrawing(dxfFile, SplineToleranceOf(options)) : DrawingSurvey{};
  if (options.summary && returned == 1) {
    PrintData(SummarizeElementFile(outputFile));
    PrintData(SkipsPerLayer(survey, options));
  }
  if (!options.preview.empty() && returned == 1 && !WritePreview(outputFile, options.preview, true)) {
    Tell(ConversionMessage(returned, record, dxfFile, outputFile));
    return FinishOutput(kExitFailed);
  }
  Tell(ConversionMessage(returned, record, dxfFile, outputFile));
  // A drawing that could not be read: where it breaks, read in pairs; a
  // binary DXF is called one.
  if (returned != 1 && unreadable) {
    if (survey.binary) Tell(dxfFile + " is a binary DXF: save it as DXF in text form (ASCII)");
    else if (!survey.problem.empty()) Tell(dxfFile + ", " + survey.problem);
  }
  // What the drawing holds that the conversion left out, so that nothing
  // vanishes without a word.
  if (tellSkips) {
    const std::vector<Skip> skips = survey.binary ? std::vector<Skip>{} : SkipsOf(survey.all, options);
    if (!skips.empty()) std::fputs(("dxfelem: skipped\n" + SkipLines(skips)).c_str(), stderr);
    for (const std::string& warning : SettingWarnings(survey.all, options)) Warn(warning);
    if (survey.all.splinesFollowed > 0) {
      Tell(std::to_string(survey.all.splinesFollowed) + " SPLINEs followed by arcs within SplineToll");
    }
  }
  return FinishOutput(returned == 1 ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
