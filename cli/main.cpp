// dxfelem: the command-line tool over the library's entry points.
#include <string>
#include <vector>

#include "cli/command_help.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/signal_watch.h"
#include "cli/tool_output.h"
#include "dxfelem/dxfelem.h"

int main(int argc, char** argv) {
  using namespace dxfelem::cli;
  StartSignalWatch();
  std::vector<std::string> arguments(argv + 1, argv + argc);
  // A batch's worker: started by the batch itself, never by a user.
  if (arguments.size() == 3 && arguments[0] == "--batch-worker") return RunBatchWorker(arguments[1], arguments[2]);
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(arguments, line, error)) {
    // One line, not a page: the mistake, and where the commands are told.
    const std::string options = line.helpTopic.empty() ? "" : "; dxfelem " + line.helpTopic + " --help its options";
    Tell(error + " (dxfelem --help lists the commands" + options + ")");
    return kExitUsage;
  }
  // Stopped half-way, the tool leaves nothing of its own beside the files
  // it was replacing.
  OnStop(
      [files = line.options.files, more = std::vector<std::string>{line.options.parameterFile, line.options.preview}] {
        for (const std::string& file : files) RemoveOwnTemporaries(file);
        for (const std::string& file : more) RemoveOwnTemporaries(file);
      });
  switch (line.command) {
    case Command::kHelp: {
      const std::string help = CommandHelp(line.helpTopic);
      PrintData(help.empty() ? kUsage : help);
      return FinishOutput(kExitSuccess);
    }
    case Command::kVersion:
      PrintData(std::string("dxfelem ") + DXFELEM_VERSION_STRING + "\n");
      return FinishOutput(kExitSuccess);
    case Command::kConvert: return line.options.outDir.empty() ? RunConvert(line.options) : RunBatch(line.options);
    case Command::kLayers: return RunListing(line.options, false);
    case Command::kBlocks: return RunListing(line.options, true);
    case Command::kRewrite: return RunRewrite(line.options);
    case Command::kPreview: return RunPreview(line.options);
    case Command::kInfo: return RunInfo(line.options);
    case Command::kToDxf: return RunToDxf(line.options);
    case Command::kCheck: return RunCheck(line.options);
  }
  return kExitFailed;
}
