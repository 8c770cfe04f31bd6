// dxfelem check: what a machine would meet in the converted drawing, found
// by the library; printed per layer, then one line per kind of finding.
#include <map>
#include <string>

#include "cli/commands.h"
#include "cli/json_document.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {

int RunCheck(const Options& options) {
  const std::string& dxf = options.files[0];
  const Settings settings = FileSettings(options.parameterFile, options.section);
  const Report report(dxfelem_check(dxf.c_str(), settings.get(), options.minLength, options.preview.c_str()));
  if (!report || dxfelem_report_ok(report.get()) != 1) {
    Tell(report ? dxfelem_report_message(report.get()) : "no memory to check " + dxf);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  const dxfelem_report* found = report.get();
  const std::size_t count = dxfelem_report_finding_count(found);
  std::map<std::string, long> perKind;
  Json json;
  json["drawing"] = Utf8Text(dxf);
  json["findings"] = Json::array();
  std::map<std::string, std::string> perLayer;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string kind = dxfelem_report_finding_kind(found, i);
    const std::string layer = dxfelem_report_finding_layer(found, i);
    const std::string text = dxfelem_report_finding_text(found, i);
    if (kind != "advice") ++perKind[kind];
    perLayer[layer.empty() ? "(the drawing)" : layer] += "  " + kind + ": " + text + "\n";
    json["findings"].push_back({{"kind", kind},
                                {"layer", Utf8Text(layer)},
                                {"text", Utf8Text(text)},
                                {"x", dxfelem_report_finding_value(found, i, 1)},
                                {"y", dxfelem_report_finding_value(found, i, 2)},
                                {"figure", dxfelem_report_finding_value(found, i, 3)}});
  }
  if (options.json) {
    json["counts"] = Json::object();
    for (const auto& [kind, number] : perKind) json["counts"][kind] = number;
    PrintData(JsonDocument(json));
  } else {
    std::string out;
    for (const auto& [layer, lines] : perLayer) out += layer + "\n" + lines;
    for (const auto& [kind, number] : perKind) out += std::to_string(number) + " " + kind + "\n";
    if (perKind.empty()) out += "nothing found\n";
    PrintData(out);
  }
  Tell(dxfelem_report_message(report.get()));
  return FinishOutput(perKind.empty() ? kExitSuccess : kExitFound);
}

}  // namespace dxfelem::cli
