// The people's API of dxfelem_tools.h: settings, reports, and the calls.
#include <cstring>
#include <memory>
#include <new>

#include "conversion/conversion_driver.h"
#include "conversion/conversion_job.h"
#include "dxfelem/dxfelem_tools.h"
#include "interface/entry_frame.h"
#include "platform/ini_text.h"
#include "platform/profile_file.h"
#include "toolkit/conversion_message.h"
#include "toolkit/file_guards.h"
#include "toolkit/tool_report.h"

// The section that settings given in memory are read from.
constexpr const char* kMemorySection = "dxfelem";

struct dxfelem_settings {
  std::string text;  // keys given in memory, as the text of a parameter file
  bool inMemory = false;
  std::string path;
  std::string section;
};

struct dxfelem_report {
  dxfelem::ToolReport report;
};

namespace {

std::string Text(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// A conversion as the hosts' DxfToTxt runs it, with its frame, the settings
// of `file`, and what it read kept in `job`.
int32_t RunFramedConversion(dxfelem::ConversionJob& job, dxfelem::ProfileFile& file, const std::string& section,
                            const char* done, ConversionResult& record) {
  return dxfelem::RunEntryFrame(&record, nullptr, done, [&] {
    dxfelem::ReplaceBlockTables();
    dxfelem::StatusInfo status = dxfelem::RunConversion(job, file, section, dxfelem::InchFlagSource::kJob);
    const dxfelem::CallOutcome outcome =
        status.ok() ? dxfelem::CallOutcome::kSucceeded : dxfelem::CallOutcome::kFailed;
    return dxfelem::CallResult{outcome, std::move(status)};
  });
}

// A setting that makes far more than a machine needs, for what was read.
void WarnOfHugeOutputs(const dxfelem::ParameterRecord& p, dxfelem::ToolReport& report) {
  for (const auto& [kind, count] : report.read) {
    if (kind == "ELLIPSE" && static_cast<int64_t>(p.ArchiEllisse) * 8 > 10000) {
      report.warnings.push_back("ArchiEllisse " + std::to_string(p.ArchiEllisse) + " draws each of the " +
                                std::to_string(count) + " ELLIPSEs through " +
                                std::to_string(static_cast<int64_t>(p.ArchiEllisse) * 8) +
                                " points (more than 10000 nodes an ellipse; 8, the default, draws 64)");
    }
  }
}

}  // namespace

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
  if (settings == nullptr || settings->inMemory || Text(path).empty() || Text(section).empty()) return 0;
  settings->path = path;
  settings->section = section;
  return 1;
}

DXFELEM_API void dxfelem_report_free(dxfelem_report* report) { delete report; }
DXFELEM_API int dxfelem_report_ok(const dxfelem_report* report) { return report != nullptr && report->report.ok; }
DXFELEM_API int dxfelem_report_code(const dxfelem_report* report) { return report != nullptr ? report->report.code : -1; }
DXFELEM_API const char* dxfelem_report_message(const dxfelem_report* report) {
  return report != nullptr ? report->report.message.c_str() : "";
}
DXFELEM_API const char* dxfelem_report_file(const dxfelem_report* report) {
  return report != nullptr ? report->report.file.c_str() : "";
}
DXFELEM_API size_t dxfelem_report_read_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.read.size() : 0;
}
DXFELEM_API const char* dxfelem_report_read_kind(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_read_count(report) ? report->report.read[index].first.c_str() : "";
}
DXFELEM_API int64_t dxfelem_report_read_number(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_read_count(report) ? report->report.read[index].second : 0;
}
DXFELEM_API size_t dxfelem_report_left_out_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.leftOut.size() : 0;
}
DXFELEM_API const char* dxfelem_report_left_out_what(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_left_out_count(report) ? report->report.leftOut[index].what.c_str() : "";
}
DXFELEM_API const char* dxfelem_report_left_out_why(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_left_out_count(report) ? report->report.leftOut[index].why.c_str() : "";
}
DXFELEM_API int64_t dxfelem_report_left_out_number(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_left_out_count(report) ? report->report.leftOut[index].count : 0;
}
DXFELEM_API size_t dxfelem_report_warning_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.warnings.size() : 0;
}
DXFELEM_API const char* dxfelem_report_warning(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_warning_count(report) ? report->report.warnings[index].c_str() : "";
}

DXFELEM_API dxfelem_report* dxfelem_convert(const char* dxf, const char* out, const dxfelem_settings* settings,
                                            const char* done) {
  std::unique_ptr<dxfelem_report> handle(new (std::nothrow) dxfelem_report);
  if (!handle) return nullptr;
  dxfelem::ToolReport& report = handle->report;
  try {
    const std::string dxfFile = Text(dxf);
    const std::string outputFile = Text(out);
    const std::string parameterFile = settings != nullptr ? settings->path : std::string();
    const std::string section = settings == nullptr ? std::string()
                                : settings->inMemory ? std::string(kMemorySection)
                                                     : settings->section;
    std::string refusal = dxfelem::OutputRefusal(outputFile, "element file", dxfFile, parameterFile);
    if (refusal.empty()) refusal = dxfelem::ParameterFileRefusal(parameterFile, section, report.warnings);
    if (!refusal.empty()) {
      report.code = -1;
      report.message = refusal;
      return handle.release();
    }
    dxfelem::ProfileFile file = settings != nullptr && settings->inMemory
                                    ? dxfelem::ProfileFile::InMemory(settings->text)
                                    : dxfelem::ProfileFile(parameterFile);
    std::unique_ptr<dxfelem::ConversionJob> job(new dxfelem::ConversionJob(dxfFile, outputFile));
    ConversionResult record{};
    report.ok = RunFramedConversion(*job, file, section, done, record) == 1;
    report.code = record.errorCode;
    if (record.hasFileName == 1) report.file.assign(record.fileName, strnlen(record.fileName, sizeof record.fileName));
    report.message = dxfelem::ConversionMessage(report.ok, record.errorCode, report.file, dxfFile, outputFile);
    dxfelem::DescribeReading(job->reading.tally, report);
    WarnOfHugeOutputs(job->parameters, report);
  } catch (...) {
    report.ok = false;
    report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
    report.message = "the conversion of " + Text(dxf) + " ran out of memory (code 4)";
  }
  return handle.release();
}

}  // extern "C"
