#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"

namespace dxfelem {

bool SkipEntity(EntityContext&, DxfLineReader& reader, Token code) {
  ForEachGroup(reader, code, [](Token) { return false; });
  return true;
}

}  // namespace dxfelem
