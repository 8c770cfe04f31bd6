// Element file lines for hand-worked expectations.
#pragma once

#include <string>

namespace dxfelem::test {

// One element file line; the numbers are given as they must be printed,
// and the fields are padded to their widths.
std::string ElementLine(const std::string& code, const std::string& entity, const std::string& x, const std::string& y,
                        const std::string& z, const std::string& value, const std::string& layer,
                        const std::string& tag = "*");

}  // namespace dxfelem::test
