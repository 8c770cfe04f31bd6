// The steps of one conversion, in their fixed order.
#pragma once

#include <string>

namespace dxfelem {

class ConversionJob;

// Which record the unit rule at the end consults: the job's own (DxfToTxt)
// or the process-wide copy (DxfToTxtNet). Both hold the same flag.
enum class InchFlagSource { kJob, kProcessCopy };

// Reads the parameters, the drawing, processes and writes it, brings the
// length settings back to millimetres and writes settings back. Returns 1 on
// success; on failure the job's status holds the first failure.
int RunConversion(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                  InchFlagSource inchFlagSource);

// The same frame of steps around the listing of layers or blocks, which
// takes the place of reading, processing and writing the drawing.
enum class ListingKind { kLayers, kBlocks };
int RunListing(ConversionJob& job, const std::string& parameterFile, const std::string& section,
               ListingKind kind, const std::string& listFile);

// Replaces the process-wide macro and operation block tables by new, empty
// ones; a table that cannot be allocated leaves its slot empty.
void ReplaceBlockTables();

}  // namespace dxfelem
