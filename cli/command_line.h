// The command line of the tool, checked and taken apart.
#pragma once

#include <string>
#include <vector>

namespace dxfelem::cli {

enum class Command { kHelp, kVersion, kConvert, kLayers, kBlocks, kRewrite };

struct ConvertOptions {
  std::string dxfFile;
  std::string outputFile;
  std::string parameterFile;  // with section; both empty for the built-in settings
  std::string section;
  std::string completionFile;  // empty: no completion file is written
  bool json = false;
  bool summary = false;  // elements and nodes per layer of the element file
};

struct CommandLine {
  Command command = Command::kHelp;
  ConvertOptions convert;
};

// Parses argv[1..]. On a usage error returns false with the message in `error`.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& error);

extern const char* const kUsage;

}  // namespace dxfelem::cli
