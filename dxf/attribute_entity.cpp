// ATTRIB: one attribute element that belongs with the INSERT before it.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "geometry/element_builders.h"

namespace dxfelem {

bool ReadAttributeEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  std::string tag;
  std::string value;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (code == kGroup2) ReadRawLine(reader, &tag);
    else if (code == kGroup1) ReadRawLine(reader, &value);
    else return false;
    return true;
  });
  // The number of the element made just before: normally the INSERT's.
  AddAttribute(context.sink, context.elementCounter, Point3{}, context.reading.lastInsertBlock,
               context.reading.lastInsertLayer, tag, value);
  return true;
}

}  // namespace dxfelem
