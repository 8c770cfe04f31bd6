#include "cli/skip_summary.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ini_text.h"

namespace dxfelem::cli {
namespace {

// The settings a skip depends on: the section's, the INI defaults when the
// key is missing, the built-in ones without a parameter file.
struct Settings {
  int testo = 1;
  int altezza3D = 0;
  int splineArchi = 0;
  double splineToll = 0.01;
};

Settings ReadSettings(const Options& options) {
  Settings settings;
  if (options.parameterFile.empty()) return settings;
  std::FILE* file = std::fopen(options.parameterFile.c_str(), "rb");
  if (file == nullptr) return settings;
  std::string text;
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) text.append(chunk, n);
  std::fclose(file);
  std::string value;
  if (FindIniValue(text, options.section, "Testo", value) && !value.empty()) settings.testo = std::atoi(value.c_str());
  if (FindIniValue(text, options.section, "Altezza3D", value) && !value.empty()) {
    settings.altezza3D = std::atoi(value.c_str());
  }
  if (FindIniValue(text, options.section, "SplineArchi", value) && !value.empty()) {
    settings.splineArchi = std::atoi(value.c_str());
  }
  // The library's rule: a tolerance out of its range is the default.
  if (FindIniValue(text, options.section, "SplineToll", value) && !value.empty()) {
    const double tolerance = std::strtod(value.c_str(), nullptr);
    if (tolerance > 1e-6 && tolerance <= 10.0) settings.splineToll = tolerance;
  }
  return settings;
}

std::vector<Skip> SkipsWith(const EntityTally& survey, const Settings& settings) {
  std::vector<Skip> skips;
  for (const auto& [kind, count] : survey.kinds) {
    if (kind == "SPLINE" && settings.splineArchi == 1) continue;
    if (kind == "SPLINE") skips.push_back({count, kind, "this kind is not converted unless SplineArchi is 1"});
    else if (!IsConvertedKind(kind)) skips.push_back({count, kind, "this kind is not converted"});
  }
  for (const auto& [problem, count] : survey.splineProblems) {
    skips.push_back({count, "SPLINE", "cannot be followed by arcs: " + problem});
  }
  if (survey.meshes > 0) skips.push_back({survey.meshes, "POLYLINE meshes", "meshes are surfaces: they make nothing"});
  if (survey.oblique > 0 && settings.altezza3D == 0) {
    skips.push_back({survey.oblique, "entities with an oblique extrusion", "kept only when Altezza3D is not 0"});
  }
  if (survey.texts > 0 && settings.testo == 0) skips.push_back({survey.texts, "TEXT and MTEXT", "Testo is 0"});
  // The hosts draw the last chunk of a long MTEXT alone; so does the library.
  if (survey.chunkedTexts > 0 && settings.testo != 0) {
    skips.push_back({survey.chunkedTexts, "MTEXT with its text in chunks",
                     "only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not"});
  }
  return skips;
}

}  // namespace

std::vector<Skip> LeftOutOf(const dxfelem_report* report) {
  std::vector<Skip> skips;
  for (std::size_t i = 0; i < dxfelem_report_left_out_count(report); ++i) {
    skips.push_back({static_cast<long>(dxfelem_report_left_out_number(report, i)),
                     dxfelem_report_left_out_what(report, i), dxfelem_report_left_out_why(report, i)});
  }
  return skips;
}

long MadeOf(const dxfelem_report* report, std::string_view kind) {
  for (std::size_t i = 0; i < dxfelem_report_made_count(report); ++i) {
    if (kind == dxfelem_report_made_kind(report, i)) return static_cast<long>(dxfelem_report_made_number(report, i));
  }
  return 0;
}

double SplineToleranceOf(const Options& options) {
  const Settings settings = ReadSettings(options);
  return settings.splineArchi == 1 ? settings.splineToll : 0.0;
}

std::string SkipsPerLayer(const DrawingSurvey& survey, const Options& options) {
  // The parameter file is read once, not once per layer.
  const Settings settings = ReadSettings(options);
  std::string text;
  for (const auto& [layer, tally] : survey.ofLayer) {
    const std::vector<Skip> skips = SkipsWith(tally, settings);
    if (!skips.empty()) text += (layer.empty() ? std::string("(no layer)") : layer) + "\n" + SkipLines(skips);
  }
  return text.empty() ? text : "skipped, per layer of the drawing\n" + text;
}

std::string SkipLines(const std::vector<Skip>& skips) {
  std::string lines;
  char line[256];
  for (const Skip& skip : skips) {
    std::snprintf(line, sizeof line, "  %9ld %s: %s\n", skip.count, skip.what.c_str(), skip.why.c_str());
    lines += line;
  }
  return lines;
}

}  // namespace dxfelem::cli
