#include <string>

#include "params/block_definition_table.h"
#include "params/parameter_file.h"
#include "params/process_state.h"
#include "params/selection_lists.h"
#include "params/text_fields.h"
#include "platform/profile_file.h"

namespace dxfelem {
namespace {

std::string Numbered(std::string_view key, std::size_t n) { return std::string(key) + std::to_string(n); }

// Reads "<key>1", "<key>2", ... up to the first empty value.
void ReadNames(const ProfileFile& file, const std::string& section, std::string_view key, NameList& names) {
  for (std::size_t n = 1; n <= names.size(); ++n) {
    std::string value = file.GetString(section, Numbered(key, n), {});
    if (value.empty()) break;
    names[n - 1] = TrimBlanks(value);
  }
}

void ReadLayerTable(const ProfileFile& file, const std::string& section, std::string_view key, LayerTable& table) {
  for (std::size_t n = 1; n <= table.size(); ++n) {
    std::string value = file.GetString(section, Numbered(key, n), {});
    if (value.empty()) break;
    std::string_view trimmed = TrimBlanks(value);
    std::size_t end = trimmed.find(';');
    // A value without ";" leaves its entry empty; the next key is still read.
    if (end == std::string_view::npos) continue;
    std::vector<std::string> fields = SplitFields(FillEmptyFields(trimmed.substr(0, end)), ',', 12);
    if (IsGivenField(fields, 0)) table[n - 1].layer = fields[0];
    if (IsGivenField(fields, 1)) table[n - 1].code = fields[1];
  }
}

void ReadBlockTable(const ProfileFile& file, const std::string& section, std::string_view key,
                    const BlockFieldLimits& limits, BlockDefinitionTable& table) {
  for (std::size_t n = 1; n <= table.entries().size(); ++n) {
    std::string value = file.GetString(section, Numbered(key, n), {});
    if (value.empty()) break;
    ParseBlockDefinition(TrimBlanks(value), limits, table.entries()[n - 1]);
  }
}

}  // namespace

void ReadNameLists(const ProfileFile& file, const std::string& section, SelectionLists& selection) {
  bool take = selection.YesLogic == 1;
  ReadNames(file, section, take ? "YesLayer" : "NoLayer", selection.layers);
  ReadNames(file, section, take ? "YesBlock" : "NoBlock", selection.blocks);
}

void ReadLayerTables(const ProfileFile& file, const std::string& section, SelectionLists& selection) {
  ReadLayerTable(file, section, "LavLayer", selection.LavLayer);
  ReadLayerTable(file, section, "McrLayer", selection.McrLayer);
}

void ReadBlockTables(const ProfileFile& file, const std::string& section) {
  ProcessState& state = TheProcessState();
  if (state.operationBlocks) ReadBlockTable(file, section, "OprBlock", kFullBlockDefinition, *state.operationBlocks);
  if (state.macroBlocks) ReadBlockTable(file, section, "McrBlock", kFullBlockDefinition, *state.macroBlocks);
  ReadBlockTable(file, section, "SubBlock", kSubBlockDefinition, state.subBlocks);
}

}  // namespace dxfelem
