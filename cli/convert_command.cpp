#include "cli/commands.h"
#include "cli/element_summary.h"
#include "cli/file_checks.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
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
  if (options.json) PrintData(ResultJson(returned, record) + "\n");
  if (options.summary && returned == 1) PrintData(SummarizeElementFile(outputFile));
  if (!options.preview.empty() && returned == 1 && !WritePreview(outputFile, options.preview)) {
    Tell(ConversionMessage(returned, record, dxfFile, outputFile));
    return FinishOutput(kExitFailed);
  }
  Tell(ConversionMessage(returned, record, dxfFile, outputFile));
  return FinishOutput(returned == 1 ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
