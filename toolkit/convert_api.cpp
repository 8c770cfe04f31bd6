// dxfelem_convert: a conversion as the hosts' DxfToTxt runs it, with the
// guards before it and the report after it.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "conversion/conversion_driver.h"
#include "conversion/conversion_job.h"
#include "interface/entry_frame.h"
#include "toolkit/api_objects.h"
#include "toolkit/conversion_message.h"
#include "toolkit/file_guards.h"

namespace {

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

// Runs the conversion into `outputFile` (none on trial) and fills the
// report from it.
void ConvertInto(dxfelem::ToolReport& report, const std::string& dxfFile, const std::string& outputFile,
                 dxfelem::ProfileFile& file, const std::string& section, const char* done, bool trial = false) {
  std::unique_ptr<dxfelem::ConversionJob> job(new dxfelem::ConversionJob(dxfFile, outputFile));
  job->trial = trial;
  ConversionResult record{};
  report.ok = RunFramedConversion(*job, file, section, done, record) == 1;
  report.code = record.errorCode;
  if (record.hasFileName == 1) report.file.assign(record.fileName, strnlen(record.fileName, sizeof record.fileName));
  report.message = dxfelem::ConversionMessage(report.ok, record.errorCode, report.file, dxfFile, outputFile);
  dxfelem::DescribeReading(job->reading.tally, report);
  for (const auto& [layer, counts] : job->writtenPerLayer) report.layers.push_back({layer, counts.first, counts.second});
  WarnOfHugeOutputs(job->parameters, report);
}

bool ReadWhole(const std::string& path, std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return errno == ENOENT;  // a missing file: the defaults
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) text.append(chunk, n);
  const bool read = std::ferror(file) == 0;
  std::fclose(file);
  return read;
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_check_output(const char* output, const char* what, const char* dxf,
                                                 const dxfelem_settings* settings) {
  std::unique_ptr<dxfelem_report> handle(new (std::nothrow) dxfelem_report);
  if (!handle) return nullptr;
  dxfelem::ToolReport& report = handle->report;
  try {
    report.ok = dxfelem::PassesGuards(dxfelem::CText(output), dxfelem::CText(what), dxfelem::CText(dxf), settings,
                                      report);
  } catch (...) {
    report.code = -1;
    report.message = "no memory to check " + dxfelem::CText(output);
  }
  return handle.release();
}

DXFELEM_API dxfelem_report* dxfelem_convert(const char* dxf, const char* out, const dxfelem_settings* settings,
                                            const char* done) {
  std::unique_ptr<dxfelem_report> handle(new (std::nothrow) dxfelem_report);
  if (!handle) return nullptr;
  dxfelem::ToolReport& report = handle->report;
  try {
    const std::string dxfFile = dxfelem::CText(dxf);
    const std::string outputFile = dxfelem::CText(out);
    if (!dxfelem::PassesGuards(outputFile, "element file", dxfFile, settings, report)) return handle.release();
    dxfelem::ProfileFile file = dxfelem_settings::Open(settings);
    ConvertInto(report, dxfFile, outputFile, file, settings != nullptr ? settings->Section() : std::string(), done);
  } catch (...) {
    report.ok = false;
    report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
    report.message = "the conversion of " + dxfelem::CText(dxf) + " ran out of memory (code 4)";
  }
  return handle.release();
}

DXFELEM_API dxfelem_report* dxfelem_info(const char* dxf, const dxfelem_settings* settings) {
  std::unique_ptr<dxfelem_report> handle(new (std::nothrow) dxfelem_report);
  if (!handle) return nullptr;
  dxfelem::ToolReport& report = handle->report;
  try {
    const std::string dxfFile = dxfelem::CText(dxf);
    const std::string parameterFile = settings != nullptr ? settings->path : std::string();
    // A question writes nothing: what a conversion would add to the
    // parameter file is not told here.
    std::vector<std::string> unused;
    const std::string section = settings != nullptr ? settings->Section() : std::string();
    std::string refusal = dxfelem::ParameterFileRefusal(parameterFile, section, unused);
    // The parameter file's text, read once, in memory: ROZOZ.INI beside it
    // applies as in a conversion, and the file is not written back.
    std::string text;
    if (refusal.empty() && !parameterFile.empty() && !ReadWhole(parameterFile, text)) {
      refusal = "cannot read the parameter file " + parameterFile;
    }
    if (!refusal.empty()) {
      report.code = -1;
      report.message = refusal;
      return handle.release();
    }
    dxfelem::ProfileFile file = settings != nullptr && settings->inMemory ? dxfelem_settings::Open(settings)
                                : parameterFile.empty() ? dxfelem::ProfileFile(std::string())
                                                        : dxfelem::ProfileFile::InMemory(text, parameterFile);
    ConvertInto(report, dxfFile, std::string(), file, section, nullptr, true);
    report.message = report.ok ? "read " + dxfFile : report.message;
  } catch (...) {
    report.ok = false;
    report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
    report.message = "the reading of " + dxfelem::CText(dxf) + " ran out of memory (code 4)";
  }
  return handle.release();
}

}  // extern "C"
