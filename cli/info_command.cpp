#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_document.h"
#include "cli/skip_summary.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

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

// Entities per kind and per layer, summed from the report's per layer and kind.
struct EntityCounts {
  std::map<std::string, long> ofKind;
  std::map<std::string, long> ofLayer;
};

EntityCounts CountEntities(const dxfelem_report* survey) {
  EntityCounts counts;
  for (std::size_t i = 0; i < dxfelem_report_kind_on_layer_count(survey); ++i) {
    const long number = static_cast<long>(dxfelem_report_kind_on_layer_number(survey, i));
    counts.ofKind[dxfelem_report_kind_on_layer_kind(survey, i)] += number;
    counts.ofLayer[dxfelem_report_kind_on_layer_layer(survey, i)] += number;
  }
  return counts;
}

void PrintText(const std::string& dxf, const dxfelem_report* survey, const std::vector<Skip>& skips,
               long splinesFollowed) {
  char line[256];
  const int insUnits = dxfelem_report_units(survey, 1);
  const int measurement = dxfelem_report_units(survey, 2);
  std::string out = "drawing    " + dxf + "\nversion    " + VersionName(dxfelem_report_version(survey)) +
                    "\nunits      $INSUNITS " + UnitName(insUnits) + ", $MEASUREMENT " +
                    (measurement < 0 ? std::string("not given")
                                     : std::to_string(measurement) + (measurement == 1 ? " (metric)" : " (imperial)")) +
                    "\n";
  double extents[4];
  if (dxfelem_report_extents(survey, extents) == 1) {
    std::snprintf(line, sizeof line, "extents    (%g, %g) to (%g, %g)\n", extents[0], extents[1], extents[2],
                  extents[3]);
    out += line;
  }
  out += "layers     " + std::to_string(dxfelem_report_table_layer_count(survey)) + " in the LAYER table\n";
  for (std::size_t i = 0; i < dxfelem_report_table_layer_count(survey); ++i) {
    out += std::string("           ") + dxfelem_report_table_layer(survey, i) + "\n";
  }
  const EntityCounts counts = CountEntities(survey);
  out += "entities\n";
  for (const auto& [kind, count] : counts.ofKind) {
    std::snprintf(line, sizeof line, "  %-24s %9ld\n", kind.c_str(), count);
    out += line;
  }
  out += "entities per layer\n";
  for (const auto& [layer, count] : counts.ofLayer) {
    std::snprintf(line, sizeof line, "  %-24s %9ld\n", layer.c_str(), count);
    out += line;
  }
  out += "blocks     " + std::to_string(dxfelem_report_block_count(survey)) + "; inserts\n";
  for (std::size_t i = 0; i < dxfelem_report_block_count(survey); ++i) {
    std::snprintf(line, sizeof line, "  %-24s %9ld%s\n", dxfelem_report_block_name(survey, i),
                  static_cast<long>(dxfelem_report_block_inserts(survey, i)),
                  dxfelem_report_block_defined(survey, i) == 1 ? "" : " (not defined)");
    out += line;
  }
  if (splinesFollowed > 0)
    out += "splines    " + std::to_string(splinesFollowed) + " followed by arcs within SplineToll\n";
  out += skips.empty() ? "a conversion with these settings skips nothing it reads\n"
                       : "a conversion with these settings skips\n";
  out += SkipLines(skips);
  PrintData(out);
}

void PrintJson(const std::string& dxf, const dxfelem_report* survey, const std::vector<Skip>& skips,
               long splinesFollowed) {
  Json json;
  json["drawing"] = Utf8Text(dxf);
  json["version"] = Utf8Text(dxfelem_report_version(survey));
  json["insunits"] = dxfelem_report_units(survey, 1);
  json["measurement"] = dxfelem_report_units(survey, 2);
  double extents[4];
  if (dxfelem_report_extents(survey, extents) == 1) json["extents"] = {extents[0], extents[1], extents[2], extents[3]};
  json["layers"] = Json::array();
  for (std::size_t i = 0; i < dxfelem_report_table_layer_count(survey); ++i) {
    json["layers"].push_back(Utf8Text(dxfelem_report_table_layer(survey, i)));
  }
  const EntityCounts counts = CountEntities(survey);
  json["entities"] = Json::object();
  for (const auto& [kind, count] : counts.ofKind) json["entities"][Utf8Text(kind)] = count;
  json["entitiesPerLayer"] = Json::object();
  for (const auto& [layer, count] : counts.ofLayer) json["entitiesPerLayer"][Utf8Text(layer)] = count;
  json["blocks"] = Json::object();
  for (std::size_t i = 0; i < dxfelem_report_block_count(survey); ++i) {
    json["blocks"][Utf8Text(dxfelem_report_block_name(survey, i))] = dxfelem_report_block_inserts(survey, i);
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
  const Settings settings = FileSettings(options.parameterFile, options.section);
  // What the drawing holds, read in strict pairs; what a conversion with
  // the settings would leave out, told by the conversion itself, run on trial.
  const Report survey(dxfelem_survey(dxf.c_str(), settings.get()));
  if (!survey || dxfelem_report_ok(survey.get()) != 1) {
    Tell(survey ? dxfelem_report_message(survey.get()) : "no memory to read " + dxf);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(survey.get()); ++i) {
    Warn(dxfelem_report_warning(survey.get(), i));
  }
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
  if (options.json) PrintJson(dxf, survey.get(), skips, splinesFollowed);
  else PrintText(dxf, survey.get(), skips, splinesFollowed);
  return FinishOutput(kExitSuccess);
}

}  // namespace dxfelem::cli
