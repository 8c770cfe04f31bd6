#include "params/block_definition_table.h"

#include "params/text_fields.h"

namespace dxfelem {

bool BlockDefinitionTable::Contains(std::string_view blockName) const {
  if (blockName.empty()) return false;
  for (const BlockDefinition& entry : entries_) {
    if (entry.head[0].empty()) break;
    if (entry.head[0] == blockName) return true;
  }
  return false;
}

namespace {

// A head or a triple: empty fields filled, split at ",", the given ones kept.
template <std::size_t N>
void FillFields(std::string_view part, std::size_t count, std::array<std::string, N>& target) {
  std::vector<std::string> fields = SplitFields(FillEmptyFields(part), ',', 12);
  for (std::size_t i = 0; i < count && i < N; ++i) {
    if (IsGivenField(fields, i)) target[i] = fields[i];
  }
}

}  // namespace

bool ParseBlockDefinition(std::string_view value, const BlockFieldLimits& limits, BlockDefinition& entry) {
  std::size_t semicolon = value.find(';');
  if (semicolon == std::string_view::npos) return false;
  FillFields(value.substr(0, semicolon), limits.headFields, entry.head);
  std::string_view rest = value.substr(semicolon + 1);
  for (std::size_t j = 0; j < kBlockTriples; ++j) {
    std::size_t end = rest.find(';');
    if (end == std::string_view::npos) break;
    FillFields(rest.substr(0, end), limits.tripleFields, entry.triples[j]);
    rest = rest.substr(end + 1);
  }
  // The closing part "(a,b,c)" after the last ";": from its second character
  // up to the first ")", without the empty-field filling.
  if (limits.closingPart && rest.size() > 2) {
    std::size_t close = rest.find(')');
    if (close != std::string_view::npos && close >= 1) {
      std::vector<std::string> fields = SplitFields(rest.substr(1, close - 1), ',', 12);
      for (std::size_t i = 0; i < kBlockClosingFields && i < fields.size(); ++i) entry.closing[i] = fields[i];
    }
  }
  return true;
}

}  // namespace dxfelem
