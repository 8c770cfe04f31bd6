#include "toolkit/conversion_message.h"

#include "dxfelem/dxfelem.h"

namespace dxfelem {

std::string ConversionMessage(bool done, int32_t errorCode, const std::string& named, const std::string& dxfFile,
                              const std::string& outputFile) {
  if (done) return "converted " + dxfFile + " into " + outputFile;
  switch (errorCode) {
    case DXFELEM_E_NONE:
      return "the conversion of " + dxfFile + " stopped on an internal error; " + outputFile + " was not written";
    case DXFELEM_E_MEMORY_OR_ENTITIES:
      return "the entities of " + dxfFile + " could not be read (or memory ran out) (code 4)";
    case DXFELEM_E_FILE: return "cannot open or write " + (named.empty() ? dxfFile : named) + " (code 8)";
    case DXFELEM_E_NOT_DXF:
      return dxfFile +
             " is not a DXF file in text form: no \"0\" line followed by \"SECTION\" in its first 32 "
             "lines (code 13)";
    case DXFELEM_E_SECTIONS: return "the HEADER or TABLES section of " + dxfFile + " cannot be read (code 14)";
    case DXFELEM_E_NO_ELEMENTS:
      return "nothing in " + dxfFile + " became an element: no entity that can be converted, or none selected " +
             "(code 41)";
    default: return "the conversion of " + dxfFile + " failed with code " + std::to_string(errorCode);
  }
}

}  // namespace dxfelem
