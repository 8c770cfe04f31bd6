// Checks the tool makes before a call, so that a slip of the user's never
// costs a file: an output that is an input, a parameter file that cannot be
// read, settings that would not apply.
#pragma once

#include <string>

namespace dxfelem::cli {

// True when both name one existing file, also through links.
bool IsSameFile(const std::string& a, const std::string& b);

// Refuses (false, with the reason) an output name that is empty or names
// one of the inputs.
bool CheckOutputName(const std::string& output, const std::string& what, const std::string& dxfFile,
                     const std::string& parameterFile, std::string& reason);

// Refuses (false, with the reason) a parameter file that is there but
// cannot be read whole: its settings would not apply. Warns, and goes on,
// when the file does not exist (the call creates it) or has no section of
// that name (the call uses the defaults and adds the section).
bool CheckParameterFile(const std::string& parameterFile, const std::string& section, std::string& reason);

}  // namespace dxfelem::cli
