#include "cli/skip_summary.h"

#include <cstdio>

namespace dxfelem::cli {
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

std::string SkipsPerLayer(const dxfelem_report* survey) {
  std::string text;
  std::string layer;
  std::vector<Skip> skips;
  const auto flush = [&text, &layer, &skips] {
    if (!skips.empty()) text += (layer.empty() ? std::string("(no layer)") : layer) + "\n" + SkipLines(skips);
    skips.clear();
  };
  for (std::size_t i = 0; i < dxfelem_report_layer_left_out_count(survey); ++i) {
    const std::string of = dxfelem_report_layer_left_out_layer(survey, i);
    if (i == 0 || of != layer) {
      flush();
      layer = of;
    }
    skips.push_back({static_cast<long>(dxfelem_report_layer_left_out_number(survey, i)),
                     dxfelem_report_layer_left_out_what(survey, i), dxfelem_report_layer_left_out_why(survey, i)});
  }
  flush();
  return text.empty() ? text : "skipped, per layer of the drawing\n" + text;
}

std::string SkipLines(const std::vector<Skip>& skips) {
  std::string lines;
  char count[32];
  for (const Skip& skip : skips) {
    // The names in a reason may be long (a block name of any length): only
    // the count goes through a buffer.
    std::snprintf(count, sizeof count, "  %9ld ", skip.count);
    lines += count + skip.what + ": " + skip.why + "\n";
  }
  return lines;
}

}  // namespace dxfelem::cli
