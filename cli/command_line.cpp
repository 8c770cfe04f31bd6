#include "cli/command_line.h"

#include <charconv>
#include <cmath>

namespace dxfelem::cli {

const char* const kUsage =
    "usage: dxfelem convert IN.dxf OUT.txt [--params FILE.ini --section NAME] [--done FILE] [--json]\n"
    "                       [--summary] [--preview FILE.svg] [--quiet]\n"
    "       dxfelem convert A.dxf B.dxf ... --out-dir DIR [-j N] [--params FILE.ini --section NAME]\n"
    "       dxfelem layers IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n"
    "       dxfelem blocks IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n"
    "       dxfelem rewrite FILE.txt --layer NAME --op OPERATION [--a VALUE] [--b VALUE]\n"
    "                       [--params FILE.ini --section NAME] [--done FILE] [--json] [--force]\n"
    "       dxfelem preview FILE.txt [-o FILE.svg]\n"
    "       dxfelem info IN.dxf [--params FILE.ini --section NAME] [--json]\n"
    "       dxfelem todxf FILE.txt [-o OUT.dxf]\n"
    "       dxfelem --help | --version\n"
    "\n"
    "convert   turns a DXF drawing into an element file. The settings come from\n"
    "          the section NAME of FILE.ini (which receives some settings back\n"
    "          at the end); without --params the built-in settings are used and\n"
    "          no file but OUT.txt is written. What the conversion left out\n"
    "          (kinds it never converts, meshes, ...) is told on standard error\n"
    "          unless --quiet. With --out-dir, every drawing is converted into\n"
    "          DIR/NAME.txt in a process of its own, N at once; the parameter\n"
    "          file is read by each from a copy and not written back.\n"
    "layers    lists the layers of the drawing's LAYER table, one per line, into\n"
    "          LIST.txt, or on standard output without it.\n"
    "blocks    lists the drawing's blocks, each with the number of its INSERTs.\n"
    "          With --host both write what the hosts' listing calls write (a\n"
    "          layer lister that does not pair group codes; one line per INSERT).\n"
    "rewrite   changes the profiles of one layer of an element file in place:\n"
    "          --op extend-start   lengthens each profile by --a before its start\n"
    "               extend-end     by --b after its end\n"
    "               extend-both    both\n"
    "               directions     prints the directions at start and end\n"
    "               lead-in        adds a tangent arc from the start moved by (a, b)\n"
    "               lead-out       adds a tangent arc to the end moved by (a, b)\n"
    "          The element file is written with DecimaliTxt of --params/--section.\n"
    "          A file with a line that is not an element line is refused unless\n"
    "          --force is given; directions leaves the file as it is.\n"
    "info      tells what a drawing holds (version, units, extents, layers,\n"
    "          entities per kind and layer, blocks and their inserts) and what a\n"
    "          conversion with the settings would skip, and why.\n"
    "todxf     writes an element file back as a plain DXF (LINE, ARC, CIRCLE,\n"
    "          POINT, INSERT on the elements' layers) for any CAD program.\n"
    "preview   draws an element file as SVG: every layer in its colour, arcs\n"
    "          as arcs, holes as circles, open profiles dashed, the start of\n"
    "          every profile an arrow along its direction.\n"
    "\n"
    "--done FILE  writes the completion file \"1\" as the host expects\n"
    "--json       prints the whole result record as JSON\n"
    "--summary    prints the elements and nodes per layer of the element file\n"
    "\n"
    "Standard output carries the data (lists, directions, JSON, summary);\n"
    "messages go to standard error.\n"
    "Exit status: 0 done, 1 the call failed or was refused, 2 usage error.\n";

namespace {

bool ParseNumber(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

bool ParseOperation(const std::string& text, int32_t& operation) {
  const char* names[] = {"extend-start", "extend-end", "extend-both", "directions", "lead-in", "lead-out"};
  for (int32_t i = 0; i < 6; ++i) {
    if (text == names[i]) {
      operation = i + 1;
      return true;
    }
  }
  // A number passes to the library as it is: it answers 19 for one it does not know.
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, operation);
  return result.ec == std::errc() && result.ptr == end;
}

bool ParseOptions(Command command, const std::vector<std::string>& arguments, Options& options, std::string& error) {
  bool hasParams = false;
  bool hasSection = false;
  bool hasLayer = false;
  bool hasOperation = false;
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
    std::string text;
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
    } else if (argument == "--host" && (command == Command::kLayers || command == Command::kBlocks)) {
      options.host = true;
    } else if (argument == "--out-dir" && command == Command::kConvert) {
      if (!value(options.outDir)) return false;
    } else if (argument == "-j" && command == Command::kConvert) {
      if (!value(text)) return false;
      double jobs = 0.0;
      if (!ParseNumber(text, jobs) || jobs < 1 || jobs > 64 || jobs != std::floor(jobs)) {
        error = "-j needs a number of conversions from 1 to 64, not " + text;
        return false;
      }
      options.jobs = static_cast<int>(jobs);
    } else if (argument == "--quiet" && command == Command::kConvert) {
      options.quiet = true;
    } else if (argument == "--summary" && command == Command::kConvert) {
      options.summary = true;
    } else if (argument == "--layer" && command == Command::kRewrite) {
      if (!value(options.layer)) return false;
      hasLayer = true;
    } else if ((argument == "-o" && (command == Command::kPreview || command == Command::kToDxf)) ||
               (argument == "--preview" && command == Command::kConvert)) {
      if (!value(options.preview)) return false;
    } else if (argument == "--force" && command == Command::kRewrite) {
      options.force = true;
    } else if (argument == "--op" && command == Command::kRewrite) {
      if (!value(text)) return false;
      if (!ParseOperation(text, options.operation)) {
        error = "unknown operation " + text;
        return false;
      }
      hasOperation = true;
    } else if ((argument == "--a" || argument == "--b") && command == Command::kRewrite) {
      if (!value(text)) return false;
      if (!ParseNumber(text, argument == "--a" ? options.a : options.b)) {
        error = argument + " needs a number, not " + text;
        return false;
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      error = "unknown option " + argument;
      return false;
    } else {
      options.files.push_back(argument);
    }
  }
  if (hasParams != hasSection) {
    error = "--params and --section go together: the settings are a section of the parameter file";
    return false;
  }
  switch (command) {
    case Command::kConvert:
      if (!options.outDir.empty()) {
        if (options.files.empty()) error = "convert --out-dir needs the DXF files";
        else if (!options.preview.empty() || options.json || options.summary) {
          error = "a batch (--out-dir) takes no --preview, --json or --summary";
        }
      } else if (options.files.size() != 2) {
        error = "convert needs the DXF file and the element file to write (or --out-dir for several)";
      }
      break;
    case Command::kLayers:
    case Command::kBlocks:
      if (options.files.empty() || options.files.size() > 2) error = arguments[0] + " needs the DXF file";
      break;
    case Command::kPreview:
      if (options.files.size() != 1) error = "preview needs the element file";
      break;
    case Command::kInfo:
      if (options.files.size() != 1) error = "info needs the DXF file";
      break;
    case Command::kToDxf:
      if (options.files.size() != 1) error = "todxf needs the element file";
      break;
    case Command::kRewrite:
      if (options.files.size() != 1) error = "rewrite needs the element file";
      else if (!hasLayer || !hasOperation) error = "rewrite needs --layer and --op";
      break;
    default: break;
  }
  return error.empty();
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& error) {
  if (arguments.empty()) {
    error = "no command given";
    return false;
  }
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      line.command = Command::kHelp;
      if (arguments[0] != argument) line.helpTopic = arguments[0];
      return true;
    }
  }
  const std::string& command = arguments[0];
  if (command == "--version") {
    line.command = Command::kVersion;
    return true;
  }
  if (command == "convert") line.command = Command::kConvert;
  else if (command == "layers") line.command = Command::kLayers;
  else if (command == "blocks") line.command = Command::kBlocks;
  else if (command == "rewrite") line.command = Command::kRewrite;
  else if (command == "preview") line.command = Command::kPreview;
  else if (command == "info") line.command = Command::kInfo;
  else if (command == "todxf") line.command = Command::kToDxf;
  else {
    error = "unknown command " + command;
    return false;
  }
  return ParseOptions(line.command, arguments, line.options, error);
}

}  // namespace dxfelem::cli
