// The report's accessors: plain C values, valid while the report lives.
#include "toolkit/api_objects.h"

extern "C" {

DXFELEM_API void dxfelem_report_free(dxfelem_report* report) { delete report; }
DXFELEM_API int dxfelem_report_ok(const dxfelem_report* report) { return report != nullptr && report->report.ok; }
DXFELEM_API int dxfelem_report_code(const dxfelem_report* report) {
  return report != nullptr ? report->report.code : -1;
}
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
DXFELEM_API const char* dxfelem_report_left_out_kind(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_left_out_count(report) ? report->report.leftOut[index].kind.c_str() : "";
}
DXFELEM_API int dxfelem_report_left_out_whole(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_left_out_count(report) && report->report.leftOut[index].whole ? 1 : 0;
}
DXFELEM_API size_t dxfelem_report_made_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.made.size() : 0;
}
DXFELEM_API const char* dxfelem_report_made_kind(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_made_count(report) ? report->report.made[index].first.c_str() : "";
}
DXFELEM_API int64_t dxfelem_report_made_number(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_made_count(report) ? report->report.made[index].second : 0;
}
DXFELEM_API size_t dxfelem_report_layer_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.layers.size() : 0;
}
DXFELEM_API const char* dxfelem_report_layer_name(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_count(report) ? report->report.layers[index].layer.c_str() : "";
}
DXFELEM_API int64_t dxfelem_report_layer_elements(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_count(report) ? report->report.layers[index].elements : 0;
}
DXFELEM_API int64_t dxfelem_report_layer_nodes(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_count(report) ? report->report.layers[index].nodes : 0;
}
DXFELEM_API double dxfelem_report_value(const dxfelem_report* report, int which) {
  if (report == nullptr) return 0.0;
  return which == 1 ? report->report.value1 : which == 2 ? report->report.value2 : 0.0;
}

}  // extern "C"
