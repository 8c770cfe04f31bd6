// The one line the tool prints about a call's outcome.
#pragma once

#include <string>

#include "dxfelem/dxfelem.h"

namespace dxfelem::cli {

// The record's file name, which has no terminating zero when it fills its field.
std::string RecordFileName(const ConversionResult& record);

// A sentence for the outcome of a conversion of `dxfFile` into `outputFile`.
std::string ConversionMessage(int32_t returned, const ConversionResult& record, const std::string& dxfFile,
                              const std::string& outputFile);

// The same for a listing of `dxfFile` and for a rewriting of `elementFile`.
std::string ListingMessage(int32_t returned, const ConversionResult& record, const std::string& dxfFile);
std::string RewriteMessage(int32_t returned, const ConversionResult& record, const std::string& elementFile);

}  // namespace dxfelem::cli
