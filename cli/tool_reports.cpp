#include "cli/tool_reports.h"

#include "cli/tool_output.h"

namespace dxfelem::cli {

ConversionResult RecordOf(const dxfelem_report* report) {
  ConversionResult record{};
  record.errorCode = dxfelem_report_code(report);
  record.status = 500 + record.errorCode;
  const std::string file = dxfelem_report_file(report);
  record.hasFileName = file.empty() ? 0 : 1;
  file.copy(record.fileName, sizeof record.fileName - 1);
  return record;
}

bool OutputAllowed(const std::string& output, const std::string& what, const std::string& dxfFile,
                   const std::string& parameterFile, const std::string& section, std::string& reason, bool warn,
                   const std::string& sourceKind) {
  const Settings settings = FileSettings(parameterFile, section);
  const Report report(
      dxfelem_check_output_of(output.c_str(), what.c_str(), dxfFile.c_str(), sourceKind.c_str(), settings.get()));
  if (!report) {
    reason = "no memory to check " + output;
    return false;
  }
  for (std::size_t i = 0; warn && i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  reason = dxfelem_report_message(report.get());
  return dxfelem_report_ok(report.get()) == 1;
}

}  // namespace dxfelem::cli
