#include "cli/command_line.h"

namespace dxfelem::cli {

const char* const kUsage =
    "usage: dxfelem convert IN.dxf OUT.txt [--params FILE.ini --section NAME] [--done FILE] [--json]\n"
    "                       [--summary]\n"
    "       dxfelem layers IN.dxf [OUT.txt]\n"
    "       dxfelem blocks IN.dxf [OUT.txt]\n"
    "       dxfelem rewrite FILE.txt --layer NAME --op OPERATION [--a VALUE] [--b VALUE]\n"
    "       dxfelem --help | --version\n"
    "\n"
    "convert   turns a DXF drawing into an element file. The settings come from\n"
    "          the section NAME of FILE.ini (which receives some settings back\n"
    "          at the end); without --params the built-in settings are used and\n"
    "          no file but OUT.txt is written.\n"
    "          --done FILE  writes the completion file \"1\" as the host expects\n"
    "          --json       prints the whole result record as JSON\n"
    "          --summary    prints the elements and nodes per layer\n"
    "\n"
    "Exit status: 0 converted, 1 the conversion failed, 2 usage error.\n";

namespace {

bool ParseConvert(const std::vector<std::string>& arguments, ConvertOptions& options, std::string& error) {
  std::vector<std::string> positional;
  bool hasParams = false;
  bool hasSection = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= arguments.size()) {
        error = argument + " needs a value";
        return false;
      }
      target = arguments[++i];
      return true;
    };
    if (argument == "--params") {
      if (!value(options.parameterFile)) return false;
      hasParams = true;
    } else if (argument == "--section") {
      if (!value(options.section)) return false;
      hasSection = true;
    } else if (argument == "--done") {
      if (!value(options.completionFile)) return false;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--summary") {
      options.summary = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + argument;
      return false;
    } else {
      positional.push_back(argument);
    }
  }
  if (hasParams != hasSection) {
    error = "--params and --section go together: the settings are a section of the parameter file";
    return false;
  }
  if (positional.size() != 2) {
    error = "convert needs the DXF file and the element file to write";
    return false;
  }
  options.dxfFile = positional[0];
  options.outputFile = positional[1];
  return true;
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& error) {
  if (arguments.empty()) {
    error = "no command given";
    return false;
  }
  const std::string& command = arguments[0];
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      line.command = Command::kHelp;
      return true;
    }
  }
  if (command == "--version") {
    line.command = Command::kVersion;
    return true;
  }
  if (command == "convert") {
    line.command = Command::kConvert;
    return ParseConvert(arguments, line.convert, error);
  }
  if (command == "layers") line.command = Command::kLayers;
  else if (command == "blocks") line.command = Command::kBlocks;
  else if (command == "rewrite") line.command = Command::kRewrite;
  else {
    error = "unknown command " + command;
    return false;
  }
  return true;
}

}  // namespace dxfelem::cli
