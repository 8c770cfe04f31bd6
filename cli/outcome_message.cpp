#include "cli/outcome_message.h"

#include <cstring>

namespace dxfelem::cli {

std::string RecordFileName(const ConversionResult& record) {
  const char* name = record.fileName;
  const void* end = std::memchr(name, 0, sizeof record.fileName);
  std::size_t length =
      end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - name) : sizeof record.fileName;
  return std::string(name, length);
}

std::string ConversionMessage(int32_t returned, const ConversionResult& record, const std::string& dxfFile,
                              const std::string& outputFile) {
  const std::string named = record.hasFileName ? RecordFileName(record) : std::string();
  if (returned == 1) return "converted " + dxfFile + " into " + outputFile;
  switch (record.errorCode) {
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
    default: return "the conversion of " + dxfFile + " failed with code " + std::to_string(record.errorCode);
  }
}

std::string ListingMessage(int32_t returned, const ConversionResult& record, const std::string& dxfFile) {
  if (returned == 1) return "listed " + dxfFile;
  if (record.errorCode == DXFELEM_E_MEMORY_OR_ENTITIES) {
    return "the list file cannot be written, or the entities of " + dxfFile + " cannot be read (code 4)";
  }
  return ConversionMessage(returned, record, dxfFile, "the list");
}

std::string RewriteMessage(int32_t returned, const ConversionResult& record, const std::string& elementFile) {
  switch (record.errorCode) {
    case DXFELEM_E_UNKNOWN_OPERATION:
      return "unknown operation: " + elementFile + " was written back unchanged (code 19)";
    case DXFELEM_E_OPERATION_FAILED:
      return "the operation cannot be done on a profile of the layer; " + elementFile + " was left as it was (code 49)";
    case DXFELEM_E_FILE: return "cannot read or write " + RecordFileName(record) + " (code 8)";
    case DXFELEM_E_MEMORY_OR_ENTITIES: return "not enough memory to read " + elementFile + " (code 4)";
    default:
      return returned == 1 ? "rewrote " + elementFile
                           : "the rewriting of " + elementFile + " stopped on an internal error";
  }
}

}  // namespace dxfelem::cli
