// The command line of the tool, checked and taken apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dxfelem::cli {

enum class Command { kHelp, kVersion, kConvert, kLayers, kBlocks, kRewrite, kPreview, kInfo, kToDxf, kCheck };

struct Options {
  std::vector<std::string> files;  // the positional arguments
  std::string parameterFile;       // with section; both empty for the built-in settings
  std::string section;
  std::string completionFile;  // empty: no completion file is written
  bool json = false;
  bool summary = false;  // convert: elements and nodes per layer
  bool quiet = false;    // convert: no word of what was skipped
  bool host = false;     // layers, blocks: the list the hosts' listing calls write
  std::string outDir;    // convert: a batch, every drawing into this folder
  int jobs = 1;          // convert: conversions at once in a batch
  // rewrite
  std::string layer;
  int32_t operation = 0;
  double a = 0.0;
  double b = 0.0;
  bool force = false;   // rewrite a file that does not read as an element file
  bool all = false;        // check: every finding, not the first of each kind per layer
  double minLength = 0.0;  // check: pieces shorter than this are tiny (0: ten times Tollerance)
  std::string preview;  // preview, todxf: the file to write (empty: standard output); convert: also draw the result
};

struct CommandLine {
  Command command = Command::kHelp;
  std::string helpTopic;  // the command asked about (kHelp) or misused; empty for none
  Options options;
};

// Parses argv[1..]. On a usage error returns false with the message in `error`.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& error);

extern const char* const kUsage;

}  // namespace dxfelem::cli
