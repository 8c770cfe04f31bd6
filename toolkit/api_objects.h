// The objects behind the opaque handles of dxfelem_tools.h.
#pragma once

#include <new>
#include <optional>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "platform/c_numbers_here.h"
#include "platform/profile_file.h"
#include "toolkit/tool_report.h"

struct dxfelem_settings {
  std::string text;  // keys given in memory, as the text of a parameter file
  bool inMemory = false;
  std::string path;
  std::string section;

  // The section the settings are read from.
  std::string Section() const;
  // The settings as a parameter file handle: the file, the keys in memory,
  // or (for null settings) no file at all.
  static dxfelem::ProfileFile Open(const dxfelem_settings* settings);
  // The settings to read and never write back: the keys in memory, or the
  // parameter file's text read once. Nothing, with the report saying why
  // (code -1), for a parameter file that must not be read.
  static std::optional<dxfelem::ProfileFile> OpenToRead(const dxfelem_settings* settings,
                                                        dxfelem::ToolReport& report);
};

struct dxfelem_report {
  dxfelem::ToolReport report;
};

namespace dxfelem {

// A C text as a string; null is empty.
inline std::string CText(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// A new report filled by `fill(report)`. A fill that runs out of memory
// leaves the report failed with `failure(report)` (code 4 and why). Null
// only when there is no memory for the report itself. Its numbers (in
// pictures, DXF files, messages) have decimal points in a program that runs
// with a decimal comma.
template <typename Fill, typename Failure>
dxfelem_report* NewReport(Fill&& fill, Failure&& failure) noexcept {
  dxfelem_report* handle = new (std::nothrow) dxfelem_report;
  if (handle == nullptr) return nullptr;
  const CNumbersHere cNumbers;
  try {
    fill(handle->report);
  } catch (...) {
    handle->report.ok = false;
    try {
      failure(handle->report);
    } catch (...) {
      handle->report.code = -1;
    }
  }
  return handle;
}

// The guards of every call that writes `output` (named `what`) from the
// drawing `dxf` (or a file of another kind, named `sourceKind`) with
// `settings`: true when it may run; otherwise false, with the report saying
// why (code -1). Warnings go into the report.
bool PassesGuards(const std::string& output, const std::string& what, const std::string& dxf,
                  const dxfelem_settings* settings, ToolReport& report, const std::string& sourceKind = "drawing");

}  // namespace dxfelem
