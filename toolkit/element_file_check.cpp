#include "toolkit/element_file_check.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace dxfelem {
namespace {

// The library reads at most this many bytes of a line, its line end included.
constexpr std::size_t kLongestLine = 255;
// The library's reader keeps this many characters of a layer name.
constexpr std::size_t kLayerLength = 63;

// The mnemonics the writer writes; the ones that end an element (ITP and NUL
// are read as isolated points) answer true.
bool KnownMnemonic(std::string_view code, bool& endsElement) {
  for (std::string_view continuing : {"INI", "SPL", "MED", "VER"}) {
    if (code == continuing) {
      endsElement = false;
      return true;
    }
  }
  for (std::string_view ending : {"ISO", "ITP", "FIN", "MCR", "APL", "PAR", "TXT", "NUL"}) {
    if (code == ending) {
      endsElement = true;
      return true;
    }
  }
  return false;
}

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <typename Number>
bool IsNumber(std::string_view text) {
  text = TrimSpaces(text);
  Number value{};
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// The layer as the library reads it back: cut, then without its spaces.
std::string LayerAsRead(std::string_view field) {
  std::string layer;
  for (char c : field.substr(0, kLayerLength)) {
    if (c != ' ' && c != '\t') layer += c;
  }
  return layer;
}

// Checks one line (without its line end); empty when it is an element line.
std::string ProblemOf(std::string_view line, bool& endsElement, std::string& layer) {
  std::string_view fields[8];
  std::size_t count = 0;
  for (std::size_t start = 0;; ++count) {
    const std::size_t comma = line.find(',', start);
    if (count < 8) fields[count] = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
    if (comma == std::string_view::npos) {
      ++count;
      break;
    }
    start = comma + 1;
  }
  if (count != 8) return "has " + std::to_string(count) + " fields where an element line has 8";
  for (const std::string_view& field : fields) {
    if (field.empty()) return "has an empty field";
  }
  if (!KnownMnemonic(fields[0], endsElement))
    return "starts with \"" + std::string(fields[0].substr(0, 16)) + "\", which is not a node mnemonic";
  if (!IsNumber<long>(fields[1])) return "has no entity number in its second field";
  for (int i = 2; i < 6; ++i) {
    if (!IsNumber<double>(fields[i])) return "has no number in field " + std::to_string(i + 1);
  }
  layer = LayerAsRead(fields[6]);
  return {};
}

}  // namespace

ElementFileCheck CheckElementFile(const std::string& path, const std::string& layer) {
  ElementFileCheck check;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return check;
  std::string text;
  char chunk[65536];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) text.append(chunk, n);
  check.readable = std::ferror(file) == 0;
  std::fclose(file);
  if (!check.readable) return check;

  std::string_view rest = text;
  long number = 0;
  bool open = false;  // a node was read since the last element ended
  while (!rest.empty() && check.firstProblem.empty()) {
    ++number;
    const std::size_t feed = rest.find('\n');
    const std::size_t length = feed == std::string_view::npos ? rest.size() : feed + 1;
    std::string_view line = rest.substr(0, length);
    rest.remove_prefix(length);
    std::string problem;
    if (line.size() > kLongestLine) problem = "is longer than " + std::to_string(kLongestLine) + " bytes";
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (problem.empty() && line.find('\0') != std::string_view::npos) problem = "holds a zero byte";
    bool endsElement = false;
    std::string lineLayer;
    if (problem.empty()) problem = ProblemOf(line, endsElement, lineLayer);
    if (!problem.empty()) {
      check.firstProblem = "line " + std::to_string(number) + " " + problem;
      break;
    }
    open = !endsElement;
    if (endsElement) {
      ++check.elements;
      // An element takes its layer from its last line.
      if (lineLayer == layer) ++check.elementsOfLayer;
    }
  }
  if (check.firstProblem.empty() && open) {
    check.firstProblem = "line " + std::to_string(number) + " leaves its element unfinished: the file ends there";
  }
  return check;
}

}  // namespace dxfelem
