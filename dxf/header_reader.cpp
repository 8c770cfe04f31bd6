#include "dxf/header_reader.h"

#include <string>

#include "dxf/entity_context.h"
#include "dxf/value_readers.h"
#include "params/parameter_file.h"
#include "params/process_state.h"

namespace dxfelem {
namespace {

// The header variables whose values are read; only $INSUNITS is used, the
// others are read so that their value lines are consumed in step.
struct HeaderTargets {
  std::string* text = nullptr;
  double* first = nullptr;
  double* second = nullptr;
  double* third = nullptr;
  double* group70 = nullptr;
};

struct HeaderValues {
  std::string menu, comment;
  double scale = 0.0;
  double extents[3] = {0.0, 0.0, 0.0};
  double direction = 0.0;
};

void ArmTargets(Token variable, HeaderTargets& targets, HeaderValues& values, double& insUnits) {
  switch (variable) {
    case kTokenLtscale: targets.first = &values.scale; break;
    case kTokenMenu: targets.text = &values.menu; break;
    case kTokenComment: targets.text = &values.comment; break;
    case kTokenExtmin:
    case kTokenExtmax:
    case kTokenLimmin:
    case kTokenLimmax:
    case kTokenUcsorg:
      targets.first = &values.extents[0];
      targets.second = &values.extents[1];
      targets.third = &values.extents[2];
      break;
    case kTokenUcsxdir: targets.first = &values.direction; break;
    case kTokenUcsydir: targets.second = &values.direction; break;
    case kTokenInsunits: targets.group70 = &insUnits; break;
    default: break;
  }
}

// Reads the value into an armed target and disarms it.
void Consume(DxfLineReader& reader, double*& target) {
  *target = ReadRounded4(reader);
  target = nullptr;
}

}  // namespace

void ReadHeader(EntityContext& context, DxfLineReader& reader) {
  enum class State { kGroupCode, kAfterZero, kVariableName, kSkipValue };
  State state = State::kGroupCode;
  HeaderTargets targets;
  HeaderValues values;
  double& insUnits = context.reading.insUnits;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case State::kGroupCode:
        if (token == kGroup0) {
          state = State::kAfterZero;
        } else if (token == kGroup9) {
          state = State::kVariableName;
        } else if (token == kGroup1 && targets.text != nullptr) {
          ReadRawLine(reader, targets.text);
          targets.text = nullptr;
        } else if ((token == kGroup40 || token == kGroup10) && targets.first != nullptr) {
          Consume(reader, targets.first);
        } else if (token == kGroup20 && targets.second != nullptr) {
          Consume(reader, targets.second);
        } else if (token == kGroup30 && targets.third != nullptr) {
          Consume(reader, targets.third);
        } else if (token == kGroup70 && targets.group70 != nullptr) {
          Consume(reader, targets.group70);
        } else {
          state = State::kSkipValue;
        }
        break;
      case State::kAfterZero:
        if (token == kTokenEndsec) return;
        state = State::kGroupCode;
        break;
      case State::kVariableName:
        ArmTargets(token, targets, values, insUnits);
        state = State::kGroupCode;
        break;
      case State::kSkipValue: state = State::kGroupCode; break;
    }
  }
}

void ApplyDrawingUnits(EntityContext& context) {
  ParameterRecord& p = context.parameters;
  p.UnitaMisuraVal = 0;
  if (p.UnitaMisura == 1) p.UnitaMisuraVal = 1;
  if (p.UnitaMisura == 2 && context.reading.insUnits == 1.0) p.UnitaMisuraVal = 1;
  if (p.UnitaMisuraVal == 1 && p.inchFlag == 0) {
    ScaleToInches(p);
    // DxfToTxtNet decides on the way back by the process-wide copy's flag.
    TheProcessState().parameterCopy.inchFlag = 1;
  }
}

}  // namespace dxfelem
