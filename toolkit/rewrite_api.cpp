// dxfelem_rewrite and dxfelem_check_element_file: the rewriting of an
// element file, refused where the library would write back a damaged or
// pointless file.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>

#include "interface/entry_frame.h"
#include "rewrite/rewrite_call.h"
#include "toolkit/api_objects.h"
#include "toolkit/element_file_check.h"

namespace {

// The library reads no more elements than this; a longer file written back
// would lose the rest.
constexpr long kMostElements = 65536;
constexpr int kReportDirections = 4;

// A copy of the element file for a question that must not change it (the
// library writes every file it reads back in place); empty when none can
// be made.
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

// Why the file must not be rewritten; empty when it may.
std::string Refusal(const std::string& elementFile, const std::string& layer, bool force) {
  const dxfelem::ElementFileCheck check = dxfelem::CheckElementFile(elementFile, layer);
  if (!check.readable) return "cannot read " + elementFile;
  if (!check.firstProblem.empty() && !force) {
    return elementFile + " is not an element file: " + check.firstProblem +
           "; it was left as it was (--force rewrites it all the same)";
  }
  if (check.elements > kMostElements) {
    return elementFile + " holds " + std::to_string(check.elements) + " elements, more than the " +
           std::to_string(kMostElements) + " the rewriting reads: written back, it would lose the rest, so it " +
           "was left as it was";
  }
  if (check.elementsOfLayer == 0 && check.firstProblem.empty()) {
    return "no element of " + elementFile + " is on layer \"" + layer + "\": nothing was changed";
  }
  return {};
}

std::string RewriteMessage(bool done, int32_t errorCode, const std::string& named, const std::string& elementFile) {
  switch (errorCode) {
    case DXFELEM_E_UNKNOWN_OPERATION:
      return "unknown operation: " + elementFile + " was written back unchanged (code 19)";
    case DXFELEM_E_OPERATION_FAILED:
      return "the operation cannot be done on a profile of the layer; " + elementFile + " was left as it was (code 49)";
    case DXFELEM_E_FILE: return "cannot read or write " + named + " (code 8)";
    case DXFELEM_E_MEMORY_OR_ENTITIES: return "not enough memory to read " + elementFile + " (code 4)";
    default:
      return done ? "rewrote " + elementFile : "the rewriting of " + elementFile + " stopped on an internal error";
  }
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_check_element_file(const char* file) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string path = dxfelem::CText(file);
        const dxfelem::ElementFileCheck check = dxfelem::CheckElementFile(path, {});
        report.ok = check.readable && check.firstProblem.empty();
        report.code = report.ok ? 0 : -1;
        report.file = path;
        report.message = !check.readable ? "cannot read " + path
                         : report.ok ? path + " is an element file of " + std::to_string(check.elements) + " elements"
                                     : path + " is not an element file: " + check.firstProblem;
      },
      [&](dxfelem::ToolReport& report) {
        report.code = -1;
        report.message = "no memory to read " + dxfelem::CText(file);
      });
}

DXFELEM_API dxfelem_report* dxfelem_rewrite(const char* file, const char* layer, int operation, double a, double b,
                                            const dxfelem_settings* settings, int force, const char* done) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        report.value1 = a;
        report.value2 = b;
        const std::string elementFile = dxfelem::CText(file);
        const std::string layerName = dxfelem::CText(layer);
        const std::string refusal = Refusal(elementFile, layerName, force != 0);
        if (!refusal.empty()) {
          report.code = -1;
          report.message = refusal;
          return;
        }
        // A question is answered from a copy: the file keeps its bytes.
        const bool question = operation == kReportDirections;
        const std::string target = question ? CopyForQuestion(elementFile) : elementFile;
        if (target.empty()) {
          report.code = -1;
          report.message = "no temporary copy of " + elementFile + " can be made";
          return;
        }
        const dxfelem::ProfileFile opened = dxfelem_settings::Open(settings);
        const std::string section = settings != nullptr ? settings->Section() : std::string();
        dxfelem::RewriteRequest request{settings != nullptr ? settings->path : std::string(),
                                        section,
                                        target,
                                        layerName,
                                        operation,
                                        &report.value1,
                                        &report.value2,
                                        settings != nullptr && settings->inMemory ? &opened : nullptr};
        ConversionResult record{};
        report.ok =
            dxfelem::RunEntryFrame(&record, nullptr, done, [&] { return dxfelem::RewriteElementFile(request); }) == 1;
        if (question) std::remove(target.c_str());
        report.code = record.errorCode;
        // The record names the copy; the user knows the file by its own name.
        if (record.hasFileName == 1) report.file = elementFile;
        report.message = RewriteMessage(report.ok, record.errorCode, report.file, elementFile);
      },
      [&](dxfelem::ToolReport& report) {
        report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
        report.message = "not enough memory to read " + dxfelem::CText(file) + " (code 4)";
      });
}

}  // extern "C"
