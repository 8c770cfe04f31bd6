// The settings of the people's API: keys in memory or a parameter file.
#include <new>

#include "platform/ini_text.h"
#include "toolkit/api_objects.h"
#include "toolkit/file_guards.h"

namespace {

// The section that settings given in memory are read from.
constexpr const char* kMemorySection = "dxfelem";

}  // namespace

std::string dxfelem_settings::Section() const { return inMemory ? std::string(kMemorySection) : section; }

dxfelem::ProfileFile dxfelem_settings::Open(const dxfelem_settings* settings) {
  if (settings != nullptr && settings->inMemory) return dxfelem::ProfileFile::InMemory(settings->text);
  return dxfelem::ProfileFile(settings != nullptr ? settings->path : std::string());
}

std::optional<dxfelem::ProfileFile> dxfelem_settings::OpenToRead(const dxfelem_settings* settings,
                                                                 dxfelem::ToolReport& report) {
  if (settings != nullptr && settings->inMemory) return Open(settings);
  const std::string parameterFile = settings != nullptr ? settings->path : std::string();
  if (parameterFile.empty()) return dxfelem::ProfileFile(std::string());
  // The file's text, read once, is used in memory: ROZOZ.INI beside it
  // applies as in a conversion, and nothing is written back.
  std::vector<std::string> unused;
  std::string text;
  const std::string refusal = dxfelem::ParameterFileRefusal(parameterFile, settings->Section(), unused, &text);
  if (!refusal.empty()) {
    report.code = -1;
    report.message = refusal;
    return std::nullopt;
  }
  return dxfelem::ProfileFile::InMemory(text, parameterFile);
}

bool dxfelem::PassesGuards(const std::string& output, const std::string& what, const std::string& dxf,
                           const dxfelem_settings* settings, ToolReport& report, const std::string& sourceKind) {
  const std::string parameterFile = settings != nullptr ? settings->path : std::string();
  std::string refusal = OutputRefusal(output, what, dxf, parameterFile, sourceKind);
  if (refusal.empty()) {
    refusal =
        ParameterFileRefusal(parameterFile, settings != nullptr ? settings->Section() : std::string(), report.warnings);
  }
  if (refusal.empty()) return true;
  report.code = -1;
  report.message = refusal;
  return false;
}

extern "C" {

DXFELEM_API int dxfelem_tools_abi(void) { return DXFELEM_TOOLS_ABI; }

DXFELEM_API dxfelem_settings* dxfelem_settings_new(void) { return new (std::nothrow) dxfelem_settings; }

DXFELEM_API void dxfelem_settings_free(dxfelem_settings* settings) { delete settings; }

DXFELEM_API int dxfelem_settings_set(dxfelem_settings* settings, const char* key, const char* value) {
  if (settings == nullptr || key == nullptr || value == nullptr || !settings->path.empty()) return 0;
  const std::string name(key);
  const std::string text(value);
  if (name.empty() || name.find_first_of("=[\r\n;") != std::string::npos || name.front() == ' ' ||
      text.find_first_of("\r\n") != std::string::npos) {
    return 0;
  }
  try {
    settings->text = dxfelem::SetIniValue(settings->text, kMemorySection, name, text);
    settings->inMemory = true;
    return 1;
  } catch (...) {
    return 0;
  }
}

DXFELEM_API int dxfelem_settings_use_file(dxfelem_settings* settings, const char* path, const char* section) {
  if (settings == nullptr || settings->inMemory || dxfelem::CText(path).empty() || dxfelem::CText(section).empty()) {
    return 0;
  }
  settings->path = path;
  settings->section = section;
  return 1;
}

}  // extern "C"
