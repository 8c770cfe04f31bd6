// dxfelem: the command-line tool over the library's entry points.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/element_summary.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
#include "dxfelem/dxfelem.h"

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunConvert(const dxfelem::cli::ConvertOptions& options) {
  ConversionResult record{};
  // Empty names: the built-in settings, nothing written back, and no
  // completion file (a file that cannot be created is ignored).
  const int32_t returned = DxfToTxt(options.parameterFile.c_str(), options.section.c_str(),
                                    options.dxfFile.c_str(), options.outputFile.c_str(),
                                    options.completionFile.c_str(), &record);
  if (options.json) std::printf("%s\n", dxfelem::cli::ResultJson(returned, record).c_str());
  const std::string message = dxfelem::cli::ConversionMessage(returned, record, options.dxfFile, options.outputFile);
  std::fprintf(returned == 1 ? stdout : stderr, "dxfelem: %s\n", message.c_str());
  if (options.summary && returned == 1) std::fputs(dxfelem::cli::SummarizeElementFile(options.outputFile).c_str(), stdout);
  return returned == 1 ? kExitSuccess : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  dxfelem::cli::CommandLine line;
  std::string error;
  if (!dxfelem::cli::ParseCommandLine(arguments, line, error)) {
    std::fprintf(stderr, "dxfelem: %s\n%s", error.c_str(), dxfelem::cli::kUsage);
    return kExitUsage;
  }
  switch (line.command) {
    case dxfelem::cli::Command::kHelp:
      std::fputs(dxfelem::cli::kUsage, stdout);
      return kExitSuccess;
    case dxfelem::cli::Command::kVersion:
      std::printf("dxfelem %s\n", DXFELEM_VERSION);
      return kExitSuccess;
    case dxfelem::cli::Command::kConvert:
      return RunConvert(line.convert);
    case dxfelem::cli::Command::kLayers:
    case dxfelem::cli::Command::kBlocks:
    case dxfelem::cli::Command::kRewrite:
      std::fprintf(stderr, "dxfelem: %s is not available yet\n", arguments[0].c_str());
      return kExitFailed;
  }
  return kExitFailed;
}
