// The steps of one conversion, in their fixed order.
#pragma once

#include <functional>
#include <string>

#include "conversion/status_info.h"

namespace dxfelem {

class ConversionJob;
class ProfileFile;

// Which record the unit rule at the end consults: the job's own (DxfToTxt)
// or the process-wide copy (DxfToTxtNet). Both hold the same flag.
enum class InchFlagSource { kJob, kProcessCopy };

// Reads the parameters into the job and copies them to the process-wide
// copy, runs the call's own steps, brings the length settings back to
// millimetres and writes settings back; the last two whatever the steps
// answered. Answers what the steps answered.
StatusInfo RunWithParameters(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                             InchFlagSource inchFlagSource, const std::function<StatusInfo()>& steps);
// The same with the settings of `settings` (a parameter file, or settings
// held in memory).
StatusInfo RunWithParameters(ConversionJob& job, ProfileFile& settings, const std::string& section,
                             InchFlagSource inchFlagSource, const std::function<StatusInfo()>& steps);

// A whole conversion: the read, processing and write steps in the frame
// above. Answers the first failure.
StatusInfo RunConversion(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                         InchFlagSource inchFlagSource);
StatusInfo RunConversion(ConversionJob& job, ProfileFile& settings, const std::string& section,
                         InchFlagSource inchFlagSource);

// Replaces the process-wide macro and operation block tables by new, empty
// ones; a table that cannot be allocated leaves its slot empty.
void ReplaceBlockTables();

}  // namespace dxfelem
