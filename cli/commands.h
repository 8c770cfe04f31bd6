// The tool's commands over the library's entry points. Each answers the
// exit status and prints data on standard output, messages on standard error.
#pragma once

#include "cli/command_line.h"

namespace dxfelem::cli {

int RunConvert(const Options& options);
int RunListing(const Options& options, bool blocks);
int RunRewrite(const Options& options);

}  // namespace dxfelem::cli
