// What a conversion with given settings leaves out of a drawing, and why:
// told by `info`, and by `convert` on standard error.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxfelem/dxfelem_tools.h"

namespace dxfelem::cli {

struct Skip {
  long count;
  std::string what;
  std::string why;
};

// What a conversion left out, as the library's report counted it.
std::vector<Skip> LeftOutOf(const dxfelem_report* report);
// The entities of `kind` that made elements, as the report counted them.
long MadeOf(const dxfelem_report* report, std::string_view kind);

// The skips layer by layer of a survey, for the element summary: "LAYER"
// lines, each followed by its skips.
std::string SkipsPerLayer(const dxfelem_report* survey);

// One line per reason: "  COUNT WHAT: WHY".
std::string SkipLines(const std::vector<Skip>& skips);

}  // namespace dxfelem::cli
