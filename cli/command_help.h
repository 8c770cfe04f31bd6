// The help of one command: how it is called, what it does, an example.
#pragma once

#include <string>

namespace dxfelem::cli {

// Empty for a name that is no command.
std::string CommandHelp(const std::string& command);

}  // namespace dxfelem::cli
