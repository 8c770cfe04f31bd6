#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "cli/commands.h"
#include "cli/json_document.h"
#include "cli/result_json.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"
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

// The drawing's own lists, read in pairs: the LAYER table's names, or the
// block definitions (and blocks inserted without one) with the number of
// INSERTs of each. Names of the drawing's own spaces ("*Model_Space",
// "$PAPER_SPACE", anonymous "*D1" blocks) are no blocks a user places.
int ListTruly(const Options& options, bool blocks) {
  const std::string& dxfFile = options.files[0];
  const std::string listFile = options.files.size() == 2 ? options.files[1] : std::string();
  const Report report(dxfelem_list(dxfFile.c_str(), listFile.c_str(), blocks ? 1 : 0));
  if (!report) {
    Tell("no memory to list " + dxfFile);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  if (dxfelem_report_ok(report.get()) != 1) {
    Tell(dxfelem_report_message(report.get()));
    return kExitFailed;
  }
  if (options.json) {
    // Layers as an array in table order; blocks as an object of insert counts.
    Json json = blocks ? Json::object() : Json::array();
    if (!blocks) {
      for (std::size_t i = 0; i < dxfelem_report_table_layer_count(report.get()); ++i) {
        json.push_back(Utf8Text(dxfelem_report_table_layer(report.get(), i)));
      }
    }
    for (std::size_t i = 0; blocks && i < dxfelem_report_block_count(report.get()); ++i) {
      json[Utf8Text(dxfelem_report_block_name(report.get(), i))] = dxfelem_report_block_inserts(report.get(), i);
    }
    PrintData(JsonDocument(json));
  } else if (listFile.empty()) {
    std::size_t size = 0;
    const char* text = dxfelem_report_text(report.get(), &size);
    PrintData(std::string(text, size));
  }
  Tell(dxfelem_report_message(report.get()));
  return FinishOutput(kExitSuccess);
}

int RunListing(const Options& options, bool blocks) {
  if (!options.host) return ListTruly(options, blocks);
  const std::string& dxfFile = options.files[0];
  const bool toStandardOutput = options.files.size() == 1;
  const std::string listFile = toStandardOutput ? TemporaryListFile() : options.files[1];
  if (listFile.empty()) {
    Tell("no temporary file for the list can be made");
    return kExitFailed;
  }
  const Settings settings = FileSettings(options.parameterFile, options.section);
  const Report report(dxfelem_list_for_hosts(dxfFile.c_str(), listFile.c_str(), blocks ? 1 : 0, settings.get(),
                                             options.completionFile.c_str()));
  const int code = report ? dxfelem_report_code(report.get()) : -1;
  for (std::size_t i = 0; report && i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  if (code < 0) {
    if (toStandardOutput) std::remove(listFile.c_str());
    Tell(report ? dxfelem_report_message(report.get()) : "no memory to list " + dxfFile);
    return kExitFailed;
  }
  const bool done = dxfelem_report_ok(report.get()) == 1;
  if (toStandardOutput) {
    PrintList(listFile);
    std::remove(listFile.c_str());
  }
  if (options.json) PrintData(ResultJson(done ? 1 : 0, RecordOf(report.get())));
  Tell(dxfelem_report_message(report.get()));
  return FinishOutput(done ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
