// What the tool's info and list commands read of a drawing, through the
// people's API: the survey (header, tables, blocks, kinds per layer, what
// the settings leave out) with every answer of its report asked for, and
// the listings of layers and blocks into the report's text. Nothing is
// written, whatever the drawing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dxfelem/dxfelem_tools.h"
#include "fuzz/input_workspace.h"

namespace {

// A text answer is never null and always ends; touching every byte lets the
// sanitizers watch it read.
std::size_t Touch(const char* text) {
  if (text == nullptr) std::abort();
  return std::strlen(text);
}

void AskEverything(const dxfelem_report* report) {
  std::size_t bytes = Touch(dxfelem_report_message(report)) + Touch(dxfelem_report_problem(report)) +
                      Touch(dxfelem_report_version(report));
  double extents[4];
  if (dxfelem_report_extents(report, extents) != 0) bytes += static_cast<std::size_t>(extents[0] == extents[2]);
  // A header may give any number of the 32-bit range, its lowest too.
  bytes += static_cast<std::size_t>(int64_t{dxfelem_report_units(report, 1)} + dxfelem_report_units(report, 2));
  for (std::size_t i = 0; i < dxfelem_report_table_layer_count(report); ++i) {
    bytes += Touch(dxfelem_report_table_layer(report, i));
  }
  for (std::size_t i = 0; i < dxfelem_report_block_count(report); ++i) {
    bytes += Touch(dxfelem_report_block_name(report, i));
    if (dxfelem_report_block_inserts(report, i) < 0) std::abort();
  }
  for (std::size_t i = 0; i < dxfelem_report_kind_on_layer_count(report); ++i) {
    bytes += Touch(dxfelem_report_kind_on_layer_layer(report, i)) + Touch(dxfelem_report_kind_on_layer_kind(report, i));
    if (dxfelem_report_kind_on_layer_number(report, i) <= 0) std::abort();
  }
  for (std::size_t i = 0; i < dxfelem_report_layer_left_out_count(report); ++i) {
    bytes += Touch(dxfelem_report_layer_left_out_layer(report, i)) +
             Touch(dxfelem_report_layer_left_out_what(report, i)) + Touch(dxfelem_report_layer_left_out_why(report, i));
    if (dxfelem_report_layer_left_out_number(report, i) <= 0) std::abort();
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report); ++i) bytes += Touch(dxfelem_report_warning(report, i));
  volatile std::size_t sink = bytes;
  (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static dxfelem_settings* settings = [] {
    dxfelem_settings* made = dxfelem_settings_new();
    for (const auto& [key, value] : {std::pair{"SplineArchi", "1"}, {"ArchiEllisse", "2"}, {"Testo", "0"}}) {
      dxfelem_settings_set(made, key, value);
    }
    return made;
  }();
  const std::string dxf = dxfelem::fuzz::WriteInput("in.dxf", data, size);
  const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  dxfelem_report* survey = dxfelem_survey(dxf.c_str(), settings);
  AskEverything(survey);
  dxfelem_report_free(survey);
  for (int blocks : {0, 1}) {
    dxfelem_report* list = dxfelem_list(dxf.c_str(), nullptr, blocks);
    std::size_t length = 0;
    const char* text = dxfelem_report_text(list, &length);
    if (text == nullptr || (length > 0 && text[length - 1] != '\n')) std::abort();
    AskEverything(list);
    dxfelem_report_free(list);
  }
  dxfelem::fuzz::CheckNothingLost(before, {});
  return 0;
}
