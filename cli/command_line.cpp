#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <utility>

namespace dxfelem::cli {

const char* const kUsage =
    "usage: dxfelem convert IN.dxf OUT.txt [--params FILE.ini --section NAME] [--done FILE] [--json]\n"
    "                       [--summary] [--preview FILE.svg] [--quiet]\n"
    "       dxfelem convert A.dxf B.dxf ... --out-dir DIR [-j N] [--params FILE.ini --section NAME]\n"
    "       dxfelem layers IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n"
    "       dxfelem blocks IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n"
    "       dxfelem rewrite FILE.txt --layer NAME --op OPERATION [--a VALUE] [--b VALUE]\n"
    "                       [--params FILE.ini --section NAME] [--done FILE] [--json] [--force]\n"
    "       dxfelem preview FILE.txt [-o FILE.svg] [--force]\n"
    "       dxfelem info IN.dxf [--params FILE.ini --section NAME] [--json]\n"
    "       dxfelem todxf FILE.txt [-o OUT.dxf] [--force]\n"
    "       dxfelem check IN.dxf [--params FILE.ini --section NAME] [--min-length L] [--all]\n"
    "                     [--json] [--preview FILE.svg]\n"
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
    "check     tells what a machine would meet in the converted drawing: open\n"
    "          profiles (and the Tollerance that closes them), pieces cut twice,\n"
    "          closed profiles that cross, pieces shorter than L, units the\n"
    "          settings do not fit; --preview draws the result with the findings\n"
    "          marked. Exit 3 when something was found.\n"
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
    "Exit status: 0 done, 1 the call failed or was refused, 2 usage error,\n"
    "3 check found something.\n";

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

// The options every command reading settings takes.
void AddSettings(CLI::App& command, Options& options) {
  command.add_option("--params", options.parameterFile, "the parameter file (INI)");
  command.add_option("--section", options.section, "its section with the settings");
}

// The options of every command that calls one of the library's entry
// points: its files, the settings, the completion file, the result as JSON.
void AddCallOptions(CLI::App& command, Options& options, const char* files) {
  command.add_option("files", options.files, files);
  AddSettings(command, options);
  command.add_option("--done", options.completionFile);
  command.add_flag("--json", options.json);
}

// The values CLI11 leaves as text: numbers are read with from_chars, exact
// and whatever the locale, and operations by name.
struct RewriteTexts {
  std::string operation;
  std::string a;
  std::string b;
};

struct Commands {
  CLI::App* convert;
  CLI::App* layers;
  CLI::App* blocks;
  CLI::App* rewrite;
  CLI::App* preview;
  CLI::App* info;
  CLI::App* todxf;
  CLI::App* check;
};

Commands DeclareCommands(CLI::App& app, Options& options, RewriteTexts& texts) {
  Commands commands{};
  commands.convert = app.add_subcommand("convert", "a DXF drawing into an element file");
  CLI::App& convert = *commands.convert;
  AddCallOptions(convert, options, "IN.dxf OUT.txt, or the drawings of a batch");
  convert.add_flag("--summary", options.summary);
  convert.add_flag("--quiet", options.quiet);
  convert.add_option("--preview", options.preview);
  convert.add_option("--out-dir", options.outDir);
  convert.add_option("-j", options.jobs)->check(CLI::Range(1, 64));

  auto listing = [&](const char* name, const char* description) {
    CLI::App* command = app.add_subcommand(name, description);
    AddCallOptions(*command, options, "IN.dxf [LIST.txt]");
    command->add_flag("--host", options.host);
    return command;
  };
  commands.layers = listing("layers", "the layers of a drawing");
  commands.blocks = listing("blocks", "the blocks of a drawing and their inserts");

  commands.rewrite = app.add_subcommand("rewrite", "changes the profiles of a layer of an element file");
  CLI::App& rewrite = *commands.rewrite;
  AddCallOptions(rewrite, options, "FILE.txt");
  rewrite.add_flag("--force", options.force);
  rewrite.add_option("--layer", options.layer)->required();
  rewrite.add_option("--op", texts.operation)->required();
  rewrite.add_option("--a", texts.a);
  rewrite.add_option("--b", texts.b);

  commands.info = app.add_subcommand("info", "what a drawing holds and what a conversion skips");
  commands.info->add_option("files", options.files, "IN.dxf");
  AddSettings(*commands.info, options);
  commands.info->add_flag("--json", options.json);

  commands.preview = app.add_subcommand("preview", "an element file drawn as SVG");
  commands.preview->add_option("files", options.files, "FILE.txt");
  commands.preview->add_option("-o", options.preview);
  commands.preview->add_flag("--force", options.force);
  commands.todxf = app.add_subcommand("todxf", "an element file as a plain DXF");
  commands.todxf->add_option("files", options.files, "FILE.txt");
  commands.todxf->add_option("-o", options.preview);
  commands.todxf->add_flag("--force", options.force);
  commands.check = app.add_subcommand("check", "what a machine would meet in a converted drawing");
  commands.check->add_option("files", options.files, "IN.dxf");
  AddSettings(*commands.check, options);
  commands.check->add_flag("--json", options.json);
  commands.check->add_flag("--all", options.all);
  commands.check->add_option("--min-length", options.minLength)->check(CLI::PositiveNumber);
  commands.check->add_option("--preview", options.preview);
  return commands;
}

// What CLI11 cannot say by itself: how many files each command takes, and
// the options that only make sense together.
std::string CheckCombination(Command command, Options& options, const RewriteTexts& texts) {
  if (options.parameterFile.empty() != options.section.empty()) {
    return "--params and --section go together: the settings are a section of the parameter file";
  }
  const std::size_t files = options.files.size();
  switch (command) {
    case Command::kConvert:
      if (!options.outDir.empty()) {
        if (files == 0) return "convert --out-dir needs the DXF files";
        if (!options.preview.empty() || options.json || options.summary) {
          return "a batch (--out-dir) takes no --preview, --json or --summary";
        }
      } else if (files != 2) {
        return "convert needs the DXF file and the element file to write (or --out-dir for several)";
      }
      return {};
    case Command::kLayers:
    case Command::kBlocks: return files == 0 || files > 2 ? std::string("the listing needs the DXF file") : "";
    case Command::kPreview: return files != 1 ? "preview needs the element file" : "";
    case Command::kInfo: return files != 1 ? "info needs the DXF file" : "";
    case Command::kToDxf: return files != 1 ? "todxf needs the element file" : "";
    case Command::kCheck: return files != 1 ? "check needs the DXF file" : "";
    case Command::kRewrite:
      if (files != 1) return "rewrite needs the element file";
      if (!ParseOperation(texts.operation, options.operation)) return "unknown operation " + texts.operation;
      if (!texts.a.empty() && !ParseNumber(texts.a, options.a)) return "--a needs a number, not " + texts.a;
      if (!texts.b.empty() && !ParseNumber(texts.b, options.b)) return "--b needs a number, not " + texts.b;
      return {};
    default: return {};
  }
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& error) {
  CLI::App app{"dxfelem converts DXF drawings into element files", "dxfelem"};
  Options& options = line.options;
  RewriteTexts texts;
  bool version = false;
  app.add_flag("--version", version);
  const Commands commands = DeclareCommands(app, options, texts);
  const std::pair<CLI::App*, Command> named[] = {
      {commands.convert, Command::kConvert}, {commands.layers, Command::kLayers},   {commands.blocks, Command::kBlocks},
      {commands.rewrite, Command::kRewrite}, {commands.preview, Command::kPreview}, {commands.info, Command::kInfo},
      {commands.todxf, Command::kToDxf},     {commands.check, Command::kCheck}};
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    line.command = Command::kHelp;
    for (const CLI::App* command : app.get_subcommands()) line.helpTopic = command->get_name();
    return true;
  } catch (const CLI::ParseError& failure) {
    for (const CLI::App* command : app.get_subcommands()) line.helpTopic = command->get_name();
    if (!arguments.empty() && !arguments[0].empty() && arguments[0][0] != '-' && app.get_subcommands().empty()) {
      error = "unknown command " + arguments[0];
    } else {
      error = failure.what();
    }
    return false;
  }
  if (version) {
    line.command = Command::kVersion;
    return true;
  }
  if (app.get_subcommands().empty()) {
    error = "no command given";
    return false;
  }
  for (const auto& [command, kind] : named) {
    if (command->parsed()) line.command = kind;
  }
  line.helpTopic = app.get_subcommands().front()->get_name();
  error = CheckCombination(line.command, options, texts);
  return error.empty();
}

}  // namespace dxfelem::cli
