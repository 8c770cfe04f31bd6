#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "cli/commands.h"
#include "cli/file_checks.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
#include "cli/tool_output.h"
#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {
namespace {

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

// The list file's names, one per line, without the CR of its line ends.
void PrintList(const std::string& listFile) {
  std::ifstream list(listFile, std::ios::binary);
  std::string name;
  while (std::getline(list, name)) {
    if (!name.empty() && name.back() == '\r') name.pop_back();
    PrintData(name + "\n");
  }
}

}  // namespace

int RunListing(const Options& options, bool blocks) {
  const std::string& dxfFile = options.files[0];
  const bool toStandardOutput = options.files.size() == 1;
  std::string reason;
  if ((!toStandardOutput && !CheckOutputName(options.files[1], "list file", dxfFile, options.parameterFile, reason)) ||
      !CheckParameterFile(options.parameterFile, options.section, reason)) {
    Tell(reason);
    return kExitFailed;
  }
  const std::string listFile = toStandardOutput ? TemporaryListFile() : options.files[1];
  if (listFile.empty()) {
    Tell("no temporary file for the list can be made");
    return kExitFailed;
  }
  ConversionResult record{};
  int32_t code = 0;
  const auto call = blocks ? DxfToBlocksNet : DxfToLayersNet;
  const int32_t returned = call(options.parameterFile.c_str(), options.section.c_str(), dxfFile.c_str(),
                                listFile.c_str(), options.completionFile.c_str(), &code);
  record.errorCode = code;
  record.status = 500 + code;
  if (code == DXFELEM_E_FILE) {
    // The Net calls give the code alone: the file concerned is the drawing
    // when it cannot be read, else the list.
    std::FILE* drawing = std::fopen(dxfFile.c_str(), "rb");
    const std::string& named = drawing == nullptr ? dxfFile : listFile;
    if (drawing != nullptr) std::fclose(drawing);
    record.hasFileName = 1;
    named.copy(record.fileName, sizeof record.fileName - 1);
  }
  if (toStandardOutput) {
    PrintList(listFile);
    std::remove(listFile.c_str());
  }
  if (options.json) PrintData(ResultJson(returned, record) + "\n");
  Tell(ListingMessage(returned, record, dxfFile));
  return FinishOutput(returned == 1 ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
