#include "dxf/entity_readers.h"
#include "dxf/value_readers.h"

namespace dxfelem {

int SkipEntity(ConversionJob&, DxfLineReader& reader, Token code) {
  while (code != kGroup0 && !reader.AtEnd()) {
    ReadRawLine(reader, nullptr);
    code = ReadToken(reader);
  }
  return 1;
}

}  // namespace dxfelem
