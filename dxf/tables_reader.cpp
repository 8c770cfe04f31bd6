#include "dxf/tables_reader.h"

#include <string>

#include "dxf/entity_context.h"
#include "dxf/value_readers.h"
#include "platform/c_number_text.h"

namespace dxfelem {
namespace {}  // namespace

// A table the system does not use: pairs up to the "0" before "ENDTAB".
void SkipTable(DxfLineReader& reader) {
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    if (LookupKeyword(line) == kGroup0) {
      if (ReadToken(reader) == kTokenEndtab) return;
    } else {
      ReadRawLine(reader, nullptr);
    }
  }
}

namespace {

// The LAYER table is read through and nothing is kept: layers are chosen by
// the names in the parameter file. Every line is looked up in its turn; a
// group the reader understands takes the next line as its value.
void ReadLayerTable(DxfLineReader& reader) {
  std::string ignored;
  bool afterZero = false;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    if (token == kTokenEndtab) return;
    if (afterZero) {
      afterZero = false;
      continue;
    }
    switch (token) {
      case kGroup0: afterZero = true; break;
      case kGroup2:
      case kGroup6: ReadRawLine(reader, &ignored); break;
      case kGroup62: ReadInt(reader); break;
      case kGroup70: ReadRawLine(reader, nullptr); break;
      default: break;
    }
  }
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

struct StyleFields {
  std::string name, primaryFont, bigFont, family;
  int32_t flags = 0, generationFlags = 0;
  double height = 0.0, width = 0.0, oblique = 0.0, lastHeight = 0.0;
  uint32_t fontFlags = 0;
};

void CommitStyle(const StyleFields& fields, TextStyleTable& table, std::size_t& used) {
  // Entries beyond the table's 40 are not stored.
  if (fields.name.empty() || used >= table.size()) return;
  TextStyle& style = table[used++];
  style.name = fields.name;
  if (!IsBlank(fields.family)) style.fontName = fields.family;
  else if (!IsBlank(fields.bigFont)) style.fontName = fields.bigFont;
  else if (!IsBlank(fields.primaryFont)) style.fontName = fields.primaryFont;
  else style.fontName.clear();
  style.obliqueAngle = fields.oblique;
  style.fontFlags = fields.fontFlags;
}

}  // namespace

void ReadStyleTable(DxfLineReader& reader, TextStyleTable& table) {
  StyleFields fields;
  std::size_t used = 0;
  bool firstZero = true;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    if (token == kTokenEndtab) return;
    switch (token) {
      case kGroup0: {
        if (firstZero) {
          firstZero = false;
          fields.flags = fields.generationFlags = 0;
          break;
        }
        // The entry collected so far is complete once its successor (or
        // the table's end) is named.
        const Token next = ReadToken(reader);
        CommitStyle(fields, table, used);
        // The extended-data family and flags are not cleared: an entry
        // without them inherits its predecessor's, as on the hosts.
        fields.name.clear();
        fields.primaryFont.clear();
        fields.bigFont.clear();
        fields.flags = fields.generationFlags = 0;
        if (next == kTokenEndtab) return;
        break;
      }
      case kGroup2:
        ReadTrimmedLine(reader, line);
        fields.name.assign(line);
        break;
      case kGroup70: fields.flags = ReadInt(reader); break;
      case kGroup40: fields.height = ReadDouble(reader); break;
      case kGroup41: fields.width = ReadDouble(reader); break;
      case kGroup50: fields.oblique = ReadDouble(reader); break;
      case kGroup71: fields.generationFlags = ReadInt(reader); break;
      case kGroup42: fields.lastHeight = ReadDouble(reader); break;
      case kGroup3: ReadRawLine(reader, &fields.primaryFont); break;
      case kGroup4: ReadRawLine(reader, &fields.bigFont); break;
      case kGroup1000: {
        std::string value;
        ReadRawLine(reader, &value);
        if (!IsBlank(value)) fields.family = value;
        break;
      }
      case kGroup1071: {
        ReadTrimmedLine(reader, line);
        if (!IsBlank(line)) fields.fontFlags = static_cast<uint32_t>(ParseInt(line));
        break;
      }
      default: break;
    }
  }
}

void ReadTables(EntityContext& context, DxfLineReader& reader) {
  enum class State { kGroupCode, kAfterZero, kAfterTable, kTableName, kSkipValue };
  State state = State::kGroupCode;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case State::kGroupCode: state = token == kGroup0 ? State::kAfterZero : State::kSkipValue; break;
      case State::kAfterZero:
        if (token == kTokenEndsec) return;
        state = token == kTokenTable ? State::kAfterTable : State::kGroupCode;
        break;
      case State::kAfterTable:
        if (token == kTokenEndsec) return;
        state = token == kGroup2 ? State::kTableName : State::kGroupCode;
        break;
      case State::kTableName:
        if (token == kTokenLayer) ReadLayerTable(reader);
        else if (token == kTokenStyle) ReadStyleTable(reader, context.textStyles);
        else SkipTable(reader);
        state = State::kGroupCode;
        break;
      case State::kSkipValue: state = State::kGroupCode; break;
    }
  }
}

}  // namespace dxfelem
