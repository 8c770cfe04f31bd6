#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/drawing_survey.h"
#include "cli/json_document.h"
#include "cli/skip_summary.h"
#include "cli/tool_reports.h"
#include "cli/tool_output.h"

namespace dxfelem::cli {
namespace {

std::string VersionName(const std::string& version) {
  static const std::pair<const char*, const char*> kNames[] = {
      {"AC1009", "R12"},   {"AC1012", "R13"},   {"AC1014", "R14"},   {"AC1015", "R2000"}, {"AC1018", "R2004"},
      {"AC1021", "R2007"}, {"AC1024", "R2010"}, {"AC1027", "R2013"}, {"AC1032", "R2018"}};
  for (const auto& [code, name] : kNames) {
    if (version == code) return version + " (" + name + ")";
  }
  return version.empty() ? "not given" : version;
}

std::string UnitName(int units) {
  switch (units) {
    case -1: return "not given";
    case 0: return "0 (unitless)";
    case 1: return "1 (inches)";
    case 2: return "2 (feet)";
    case 4: return "4 (millimetres)";
    case 5: return "5 (centimetres)";
    case 6: return "6 (metres)";
    default: return std::to_string(units);
  }
}

void PrintText(const std::string& dxf, const DrawingSurvey& survey, const std::vector<Skip>& skips,
               long splinesFollowed) {
  char line[256];
  std::string out = "drawing    " + dxf + "\nversion    " + VersionName(survey.version) + "\nunits      $INSUNITS " +
                    UnitName(survey.insUnits) + ", $MEASUREMENT " +
                    (survey.measurement < 0 ? std::string("not given")
                                            : std::to_string(survey.measurement) +
                                                  (survey.measurement == 1 ? " (metric)" : " (imperial)")) +
                    "\n";
  if (survey.hasExtents) {
    std::snprintf(line, sizeof line, "extents    (%g, %g) to (%g, %g)\n", survey.extents[0], survey.extents[1],
                  survey.extents[2], survey.extents[3]);
    out += line;
  }
  out += "layers     " + std::to_string(survey.layers.size()) + " in the LAYER table\n";
  for (const std::string& layer : survey.layers) out += "           " + layer + "\n";
  out += "entities\n";
  for (const auto& [kind, count] : survey.all.kinds) {
    std::snprintf(line, sizeof line, "  %-24s %9ld\n", kind.c_str(), count);
    out += line;
  }
  out += "entities per layer\n";
  for (const auto& [layer, count] : survey.entitiesOfLayer) {
    std::snprintf(line, sizeof line, "  %-24s %9ld\n", layer.c_str(), count);
    out += line;
  }
  out += "blocks     " + std::to_string(survey.blocks.size()) + " defined; inserts\n";
  for (const std::string& block : survey.blocks) {
    const auto inserts = survey.insertsOfBlock.find(block);
    std::snprintf(line, sizeof line, "  %-24s %9ld\n", block.c_str(),
                  inserts == survey.insertsOfBlock.end() ? 0L : inserts->second);
    out += line;
  }
  if (splinesFollowed > 0) out += "splines    " + std::to_string(splinesFollowed) + " followed by arcs within SplineToll\n";
  out += skips.empty() ? "a conversion with these settings skips nothing it reads\n"
                       : "a conversion with these settings skips\n";
  out += SkipLines(skips);
  PrintData(out);
}

void PrintJson(const std::string& dxf, const DrawingSurvey& survey, const std::vector<Skip>& skips,
               long splinesFollowed) {
  Json json;
  json["drawing"] = Utf8Text(dxf);
  json["version"] = Utf8Text(survey.version);
  json["insunits"] = survey.insUnits;
  json["measurement"] = survey.measurement;
  if (survey.hasExtents) {
    json["extents"] = {survey.extents[0], survey.extents[1], survey.extents[2], survey.extents[3]};
  }
  json["layers"] = Json::array();
  for (const std::string& layer : survey.layers) json["layers"].push_back(Utf8Text(layer));
  json["entities"] = Json::object();
  for (const auto& [kind, count] : survey.all.kinds) json["entities"][Utf8Text(kind)] = count;
  json["entitiesPerLayer"] = Json::object();
  for (const auto& [layer, count] : survey.entitiesOfLayer) json["entitiesPerLayer"][Utf8Text(layer)] = count;
  json["blocks"] = Json::object();
  for (const std::string& block : survey.blocks) {
    const auto inserts = survey.insertsOfBlock.find(block);
    json["blocks"][Utf8Text(block)] = inserts == survey.insertsOfBlock.end() ? 0L : inserts->second;
  }
  json["splinesFollowed"] = splinesFollowed;
  json["skipped"] = Json::array();
  for (const Skip& skip : skips) {
    json["skipped"].push_back({{"count", skip.count}, {"what", Utf8Text(skip.what)}, {"why", Utf8Text(skip.why)}});
  }
  PrintData(JsonDocument(json));
}

}  // namespace

int RunInfo(const Options& options) {
  const std::string& dxf = options.files[0];
  const DrawingSurvey survey = SurveyDrawing(dxf);
  if (!survey.readable) {
    Tell("cannot read " + dxf);
    return kExitFailed;
  }
  if (survey.binary) {
    Tell(dxf + " is a binary DXF: only DXF in text form is converted; save it as ASCII DXF");
    return kExitFailed;
  }
  if (!survey.problem.empty()) Warn(dxf + ": " + survey.problem + "; what follows it was not read");
  // What a conversion with the settings would leave out: told by the
  // conversion itself, run on trial.
  const Settings settings = FileSettings(options.parameterFile, options.section);
  const Report report(dxfelem_info(dxf.c_str(), settings.get()));
  if (!report || dxfelem_report_code(report.get()) < 0) {
    Tell(report ? dxfelem_report_message(report.get()) : "no memory to read " + dxf);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  const std::vector<Skip> skips = LeftOutOf(report.get());
  const long splinesFollowed = MadeOf(report.get(), "SPLINE");
  if (options.json) PrintJson(dxf, survey, skips, splinesFollowed);
  else PrintText(dxf, survey, skips, splinesFollowed);
  return FinishOutput(kExitSuccess);
}

}  // namespace dxfelem::cli
