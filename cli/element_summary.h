// A short account of an element file: elements and nodes per layer.
#pragma once

#include <string>

namespace dxfelem::cli {

// The summary as printable lines; a note when the file cannot be read.
std::string SummarizeElementFile(const std::string& path);

}  // namespace dxfelem::cli
