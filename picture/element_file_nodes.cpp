#include "picture/element_file_nodes.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <string_view>

namespace dxfelem {
namespace {

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

double Number(std::string_view text) {
  const std::string trimmed = Trimmed(text);
  double value = 0.0;
  std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return value;
}

bool Drawable(double number) { return std::isfinite(number) && std::fabs(number) <= 1e100; }

// Nodes that begin an element; the others continue the one before.
bool StartsElement(const std::string& code) { return code != "VER" && code != "MED" && code != "FIN" && code != "SPL"; }

}  // namespace

bool ReadElementFileNodes(const std::string& path, std::vector<FileElement>& elements, long& leftOut) {
  leftOut = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view fields[8];
    std::size_t count = 0;
    std::string_view rest = line;
    while (count < 8) {
      const std::size_t comma = rest.find(',');
      fields[count++] = rest.substr(0, comma);
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    if (count < 8) continue;
    FileNode node{std::string(fields[0]), Number(fields[2]), Number(fields[3]), Number(fields[5]), Trimmed(fields[7])};
    if (!Drawable(node.x) || !Drawable(node.y) || !Drawable(node.value)) {
      ++leftOut;
      continue;
    }
    const std::string layer = Trimmed(fields[6]);
    if (elements.empty() || StartsElement(node.code) || elements.back().layer != layer) {
      elements.push_back({layer, {}});
    }
    elements.back().nodes.push_back(std::move(node));
  }
  return !in.bad();
}

}  // namespace dxfelem
