// dxfelem: the command-line tool over the library's entry points.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/element_summary.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
#include "dxfelem/dxfelem.h"

namespace {

using dxfelem::cli::Options;

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int Finish(int32_t returned, const ConversionResult& record, const Options& options, const std::string& message) {
  if (options.json) std::printf("%s\n", dxfelem::cli::ResultJson(returned, record).c_str());
  std::fprintf(returned == 1 ? stdout : stderr, "dxfelem: %s\n", message.c_str());
  return returned == 1 ? kExitSuccess : kExitFailed;
}

int RunConvert(const Options& options) {
  ConversionResult record{};
  // Empty names: the built-in settings, nothing written back, and no
  // completion file (a file that cannot be created is ignored).
  const int32_t returned = DxfToTxt(options.parameterFile.c_str(), options.section.c_str(), options.files[0].c_str(),
                                    options.files[1].c_str(), options.completionFile.c_str(), &record);
  const int status =
      Finish(returned, record, options,
             dxfelem::cli::ConversionMessage(returned, record, options.files[0], options.files[1]));
  if (options.summary && returned == 1) std::fputs(dxfelem::cli::SummarizeElementFile(options.files[1]).c_str(), stdout);
  return status;
}

// A list without a file of the user's goes to a temporary file first, and
// from there to standard output.
std::string TemporaryListFile() {
  const char* folder = std::getenv("TMPDIR");
  std::string pattern = std::string(folder != nullptr && *folder ? folder : "/tmp") + "/dxfelem-list-XXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0) return std::string();
  close(descriptor);
  return pattern;
}

int RunListing(const Options& options, bool blocks) {
  const bool toStandardOutput = options.files.size() == 1;
  const std::string listFile = toStandardOutput ? TemporaryListFile() : options.files[1];
  if (listFile.empty()) {
    std::fprintf(stderr, "dxfelem: no temporary file for the list can be made\n");
    return kExitFailed;
  }
  ConversionResult record{};
  int32_t code = 0;
  const auto call = blocks ? DxfToBlocksNet : DxfToLayersNet;
  const int32_t returned = call(options.parameterFile.c_str(), options.section.c_str(), options.files[0].c_str(),
                                listFile.c_str(), options.completionFile.c_str(), &code);
  record.errorCode = code;
  record.status = 500 + code;
  if (code == DXFELEM_E_FILE) {
    // The Net calls give the code alone; the file concerned is the drawing.
    record.hasFileName = 1;
    options.files[0].copy(record.fileName, sizeof record.fileName - 1);
  }
  if (toStandardOutput) {
    std::ifstream list(listFile, std::ios::binary);
    std::string name;
    while (std::getline(list, name)) {
      if (!name.empty() && name.back() == '\r') name.pop_back();
      std::printf("%s\n", name.c_str());
    }
    std::remove(listFile.c_str());
  }
  return Finish(returned, record, options, dxfelem::cli::ListingMessage(returned, record, options.files[0]));
}

int RunRewrite(const Options& options) {
  ConversionResult record{};
  double a = options.a;
  double b = options.b;
  const int32_t returned =
      TxtToTxt(options.parameterFile.c_str(), options.section.c_str(), options.files[0].c_str(),
               options.completionFile.c_str(), options.layer.c_str(), options.operation, &a, &b, 0, &record);
  if (returned == 1 && options.operation == 4) std::printf("start %.6f end %.6f\n", a, b);
  return Finish(returned, record, options, dxfelem::cli::RewriteMessage(returned, record, options.files[0]));
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
      return RunConvert(line.options);
    case dxfelem::cli::Command::kLayers:
      return RunListing(line.options, false);
    case dxfelem::cli::Command::kBlocks:
      return RunListing(line.options, true);
    case dxfelem::cli::Command::kRewrite:
      return RunRewrite(line.options);
  }
  return kExitFailed;
}
