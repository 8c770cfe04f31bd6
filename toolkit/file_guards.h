// What a call of the people's API refuses before it writes anything, so
// that no slip costs a file, whichever way in (the tool, the Python
// module) it came.
#pragma once

#include <string>
#include <vector>

namespace dxfelem {

// True when both name one existing file, also through links.
bool IsSameFile(const std::string& a, const std::string& b);

// Empty when `output` may be written; otherwise why not: an empty name, or
// the name of the source (the drawing, or what `sourceKind` says it is) or
// of the parameter file.
std::string OutputRefusal(const std::string& output, const std::string& what, const std::string& source,
                          const std::string& parameterFile, const std::string& sourceKind = "drawing");

// Empty when the parameter file may be used; otherwise why not: it is
// there but cannot be read whole, or is larger than any parameter file.
// `warnings` gets what the user should know and the call goes on with: a
// missing file (created), a missing section (the defaults, added). `text`,
// when given, gets the file's text as it was read (empty for a missing file).
std::string ParameterFileRefusal(const std::string& parameterFile, const std::string& section,
                                 std::vector<std::string>& warnings, std::string* text = nullptr);

}  // namespace dxfelem
