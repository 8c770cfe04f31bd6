#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"

namespace dxfelem {

int SkipEntity(ConversionJob&, DxfLineReader& reader, Token code) {
  ForEachGroup(reader, code, [](Token) { return false; });
  return 1;
}

}  // namespace dxfelem
