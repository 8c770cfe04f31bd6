#include "cli/element_summary.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string_view>

namespace dxfelem::cli {
namespace {

struct LayerCount {
  long elements = 0;
  long nodes = 0;
};

// An element starts at a path's INI node or is a single node by itself.
bool StartsElement(std::string_view code) {
  return code == "INI" || code == "ISO" || code == "MCR" || code == "APL" || code == "PAR" || code == "TXT" ||
         code == "ITP";
}

}  // namespace

std::string SummarizeElementFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "element file " + path + " cannot be read\n";
  std::map<std::string, LayerCount> layers;
  LayerCount total;
  std::string line;
  while (std::getline(in, line)) {
    // Eight fields: code, entity, x, y, z, value, layer, tag.
    std::size_t start = 0;
    for (int field = 0; field < 6 && start != std::string::npos; ++field) {
      start = line.find(',', start);
      if (start != std::string::npos) ++start;
    }
    if (start == std::string::npos || line.size() < 3) continue;
    std::string layer = line.substr(start, line.find(',', start) - start);
    layer.erase(layer.find_last_not_of(' ') + 1);
    LayerCount& count = layers[layer];
    const bool starts = StartsElement(std::string_view(line).substr(0, 3));
    count.elements += starts;
    total.elements += starts;
    ++count.nodes;
    ++total.nodes;
  }
  std::string text;
  char row[160];
  std::snprintf(row, sizeof row, "%-32s %9s %9s\n", "layer", "elements", "nodes");
  text += row;
  for (const auto& [name, count] : layers) {
    std::snprintf(row, sizeof row, "%-32s %9ld %9ld\n", name.empty() ? "(no layer)" : name.c_str(), count.elements,
                  count.nodes);
    text += row;
  }
  std::snprintf(row, sizeof row, "%-32s %9ld %9ld\n", "all layers", total.elements, total.nodes);
  text += row;
  return text;
}

}  // namespace dxfelem::cli
