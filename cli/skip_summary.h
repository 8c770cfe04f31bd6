// What a conversion with given settings leaves out of a drawing, and why:
// told by `info`, and by `convert` on standard error.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/drawing_survey.h"

namespace dxfelem::cli {

struct Skip {
  long count;
  std::string what;
  std::string why;
};

// The skips of a conversion with the settings of the options' parameter
// file and section (the INI defaults for missing keys, the built-in ones
// without a file).
std::vector<Skip> SkipsOf(const EntityTally& tally, const Options& options);

// Settings that make outputs far larger than any machine needs, for the
// entities the drawing holds.
std::vector<std::string> SettingWarnings(const EntityTally& tally, const Options& options);

// The skips layer by layer, for the element summary: "LAYER" lines, each
// followed by its skips.
std::string SkipsPerLayer(const DrawingSurvey& survey, const Options& options);

// The tolerance a conversion with the options' settings follows SPLINEs
// with (SplineToll); 0 when it skips them (SplineArchi is not 1).
double SplineToleranceOf(const Options& options);

// One line per reason: "  COUNT WHAT: WHY".
std::string SkipLines(const std::vector<Skip>& skips);

}  // namespace dxfelem::cli
