// ATTRIB: one attribute element that belongs with the INSERT before it.
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "geometry/element_builders.h"
#include "interface/conversion_job.h"

namespace dxfelem {

int ReadAttributeEntity(ConversionJob& job, DxfLineReader& reader, Token firstCode) {
  std::string tag;
  std::string value;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (code == kGroup2) ReadRawLine(reader, &tag);
    else if (code == kGroup1) ReadRawLine(reader, &value);
    else return false;
    return true;
  });
  // The number of the element made just before: normally the INSERT's.
  AddAttribute(job, job.elementCounter, Point3{}, job.reading.lastInsertBlock, job.reading.lastInsertLayer, tag,
               value);
  return 1;
}

}  // namespace dxfelem
