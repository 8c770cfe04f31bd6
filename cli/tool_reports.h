// The people's API's handles, owned: freed when they go out of scope.
#pragma once

#include <memory>
#include <string>

#include "dxfelem/dxfelem_tools.h"

namespace dxfelem::cli {

struct ReportDeleter {
  void operator()(dxfelem_report* report) const { dxfelem_report_free(report); }
};
struct SettingsDeleter {
  void operator()(dxfelem_settings* settings) const { dxfelem_settings_free(settings); }
};
using Report = std::unique_ptr<dxfelem_report, ReportDeleter>;
using Settings = std::unique_ptr<dxfelem_settings, SettingsDeleter>;

// The settings of a parameter file and section, or the built-in ones when
// the file is not named.
inline Settings FileSettings(const std::string& parameterFile, const std::string& section) {
  Settings settings(dxfelem_settings_new());
  if (settings && !parameterFile.empty()) {
    dxfelem_settings_use_file(settings.get(), parameterFile.c_str(), section.c_str());
  }
  return settings;
}

// The record the hosts' call would have filled, for --json.
ConversionResult RecordOf(const dxfelem_report* report);

// The library's guards for an output the tool writes (or a listing call
// writes) from the drawing `dxfFile`, or from a file of the kind
// `sourceKind`: true when it may be written; otherwise false with the
// reason. Warnings go to standard error when `warn`.
bool OutputAllowed(const std::string& output, const std::string& what, const std::string& dxfFile,
                   const std::string& parameterFile, const std::string& section, std::string& reason,
                   bool warn = true, const std::string& sourceKind = "drawing");

}  // namespace dxfelem::cli
