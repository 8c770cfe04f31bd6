#include <string>

#include "params/parameter_file.h"
#include "params/parameter_record.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

// The value of a key: from one character after the key (the separator is
// skipped whatever it is) to the first space from the key's position on.
bool FindValue(std::string_view text, std::string_view key, std::string_view& value) {
  std::size_t position = text.find(key);
  if (position == std::string_view::npos) return false;
  std::size_t start = position + key.size() + 1;
  std::size_t end = text.find(' ', position);
  if (end == std::string_view::npos) end = text.size();
  value = start < end ? text.substr(start, end - start) : std::string_view{};
  return true;
}

}  // namespace

void ParseAltro(std::string_view text, ParameterRecord& p) {
  p.Bordo = {50.0, 50.0, 50.0, 50.0};
  for (AltroRow& row : p.AltroRows) row = AltroRow{};
  for (std::size_t i = 0; i < p.Bordo.size(); ++i) {
    std::string key = "Bordo";
    key += static_cast<char>('1' + i);
    std::string_view value;
    if (FindValue(text, key, value)) p.Bordo[i] = ParseDouble(value);
  }
  for (int n = 1; n <= 15; ++n) {
    std::string_view value;
    // The first occurrence wins, so "L1" also matches the start of "L10".
    std::string key = "L";
    key += std::to_string(n);
    if (!FindValue(text, key, value)) continue;
    AltroRow& row = p.AltroRows[static_cast<std::size_t>(n - 1)];
    std::size_t comma = value.find(',');
    row.name = value.substr(0, comma);
    if (comma == std::string_view::npos) continue;
    std::string_view rest = value.substr(comma + 1);
    for (std::size_t k = 0; k < row.values.size(); ++k) {
      row.values[k] = ParseInt(rest);
      std::size_t next = rest.find(',');
      if (next == std::string_view::npos) break;
      rest = rest.substr(next + 1);
    }
  }
}

}  // namespace dxfelem
