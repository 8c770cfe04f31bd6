// A short account of what a conversion wrote: elements and nodes per layer.
#pragma once

#include <string>

#include "dxfelem/dxfelem_tools.h"

namespace dxfelem::cli {

// The summary of the report's layers as printable lines.
std::string SummarizeLayers(const dxfelem_report* report);

}  // namespace dxfelem::cli
