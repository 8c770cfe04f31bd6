#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "cli/commands.h"
#include "cli/element_file_check.h"
#include "cli/outcome_message.h"
#include "cli/result_json.h"
#include "cli/tool_output.h"
#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {
namespace {

// The library reads no more elements than this; a longer file written back
// would lose the rest.
constexpr long kMostElements = 65536;
constexpr int32_t kReportDirections = 4;

// A copy of the element file for a question that must not change it (the
// library writes every file it reads back in place).
std::string CopyForQuestion(const std::string& elementFile) {
  const char* folder = std::getenv("TMPDIR");
  std::string copy = std::string(folder != nullptr && *folder ? folder : "/tmp") + "/dxfelem-question-XXXXXX";
  const int descriptor = mkstemp(copy.data());
  if (descriptor < 0) return std::string();
  close(descriptor);
  std::error_code error;
  std::filesystem::copy_file(elementFile, copy, std::filesystem::copy_options::overwrite_existing, error);
  if (error) {
    std::remove(copy.c_str());
    return std::string();
  }
  return copy;
}

// Refuses, with the reason, what the library would rewrite into a damaged
// or pointless file.
bool CheckBeforeRewriting(const Options& options, std::string& reason) {
  const std::string& elementFile = options.files[0];
  const ElementFileCheck check = CheckElementFile(elementFile, options.layer);
  if (!check.readable) {
    reason = "cannot read " + elementFile;
  } else if (!check.firstProblem.empty() && !options.force) {
    reason = elementFile + " is not an element file: " + check.firstProblem +
             "; it was left as it was (--force rewrites it all the same)";
  } else if (check.elements > kMostElements) {
    reason = elementFile + " holds " + std::to_string(check.elements) + " elements, more than the " +
             std::to_string(kMostElements) + " the rewriting reads: written back, it would lose the rest, so it " +
             "was left as it was";
  } else if (check.elementsOfLayer == 0 && check.firstProblem.empty()) {
    reason = "no element of " + elementFile + " is on layer \"" + options.layer + "\": nothing was changed";
  }
  return reason.empty();
}

}  // namespace

int RunRewrite(const Options& options) {
  const std::string& elementFile = options.files[0];
  std::string reason;
  if (!CheckBeforeRewriting(options, reason)) {
    Tell(reason);
    return kExitFailed;
  }
  // A question is answered from a copy: the file keeps its decimals.
  const bool question = options.operation == kReportDirections;
  const std::string target = question ? CopyForQuestion(elementFile) : elementFile;
  if (target.empty()) {
    Tell("no temporary copy of " + elementFile + " can be made");
    return kExitFailed;
  }
  ConversionResult record{};
  double a = options.a;
  double b = options.b;
  const int32_t returned =
      TxtToTxt(options.parameterFile.c_str(), options.section.c_str(), target.c_str(), options.completionFile.c_str(),
               options.layer.c_str(), options.operation, &a, &b, 0, &record);
  if (question) {
    std::remove(target.c_str());
    // The record names the copy; the user knows the file by its own name.
    if (record.hasFileName) {
      std::fill(std::begin(record.fileName), std::end(record.fileName), '\0');
      elementFile.copy(record.fileName, sizeof record.fileName - 1);
    }
  }
  if (returned == 1 && question) {
    char line[96];
    std::snprintf(line, sizeof line, "start %.6f end %.6f\n", a, b);
    PrintData(line);
  }
  if (options.json) PrintData(ResultJson(returned, record));
  Tell(RewriteMessage(returned, record, elementFile));
  return FinishOutput(returned == 1 ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
