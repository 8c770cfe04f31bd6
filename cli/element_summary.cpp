#include "cli/element_summary.h"

#include <cstdio>

namespace dxfelem::cli {

std::string SummarizeLayers(const dxfelem_report* report) {
  std::string text;
  char row[160];
  std::snprintf(row, sizeof row, "%-32s %9s %9s\n", "layer", "elements", "nodes");
  text += row;
  long long elements = 0;
  long long nodes = 0;
  for (std::size_t i = 0; i < dxfelem_report_layer_count(report); ++i) {
    const std::string name = dxfelem_report_layer_name(report, i);
    const long long layerElements = dxfelem_report_layer_elements(report, i);
    const long long layerNodes = dxfelem_report_layer_nodes(report, i);
    std::snprintf(row, sizeof row, "%-32s %9lld %9lld\n", name.empty() ? "(no layer)" : name.c_str(), layerElements,
                  layerNodes);
    text += row;
    elements += layerElements;
    nodes += layerNodes;
  }
  std::snprintf(row, sizeof row, "%-32s %9lld %9lld\n", "all layers", elements, nodes);
  text += row;
  return text;
}

}  // namespace dxfelem::cli
