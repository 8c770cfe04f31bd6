// The objects behind the opaque handles of dxfelem_tools.h.
#pragma once

#include <string>

#include "dxfelem/dxfelem_tools.h"
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
};

struct dxfelem_report {
  dxfelem::ToolReport report;
};

namespace dxfelem {

// A C text as a string; null is empty.
inline std::string CText(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// The guards of every call that writes `output` (named `what`) from the
// drawing `dxf` with `settings`: true when it may run; otherwise false,
// with the report saying why (code -1). Warnings go into the report.
bool PassesGuards(const std::string& output, const std::string& what, const std::string& dxf,
                  const dxfelem_settings* settings, ToolReport& report);

}  // namespace dxfelem
