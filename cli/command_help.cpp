#include "cli/command_help.h"

namespace dxfelem::cli {
namespace {

struct Help {
  const char* command;
  const char* text;
};

constexpr Help kHelp[] = {
    {"convert",
     "usage: dxfelem convert IN.dxf OUT.txt [--params FILE.ini --section NAME] [--done FILE] [--json]\n"
     "                       [--summary] [--preview FILE.svg] [--quiet]\n"
     "       dxfelem convert A.dxf B.dxf ... --out-dir DIR [-j N] [--params FILE.ini --section NAME]\n\n"
     "Turns a DXF drawing (text form) into an element file, with the settings of\n"
     "section NAME of FILE.ini, which receives some settings back as the host\n"
     "expects; without --params the built-in settings are used. What was left out\n"
     "is told on standard error unless --quiet. --summary prints elements and nodes\n"
     "per layer, --json the result record, --preview draws the result as SVG.\n"
     "With --out-dir every drawing goes into DIR/NAME.txt, N at once.\n\n"
     "example: dxfelem convert panel.dxf panel.txt --params cam.ini --section Panel --preview panel.svg\n"},
    {"layers",
     "usage: dxfelem layers IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n\n"
     "Lists the names of the drawing's LAYER table, in order, on standard output or\n"
     "into LIST.txt. --host writes what the hosts' listing call writes instead.\n\n"
     "example: dxfelem layers panel.dxf\n"},
    {"blocks",
     "usage: dxfelem blocks IN.dxf [LIST.txt] [--json] [--host [--params FILE.ini --section NAME] [--done FILE]]\n\n"
     "Lists the drawing's blocks, each with the number of its INSERTs (a tab\n"
     "between). --host writes what the hosts' listing call writes: one line per INSERT.\n\n"
     "example: dxfelem blocks panel.dxf --json\n"},
    {"rewrite",
     "usage: dxfelem rewrite FILE.txt --layer NAME --op OPERATION [--a VALUE] [--b VALUE]\n"
     "                       [--params FILE.ini --section NAME] [--done FILE] [--json] [--force]\n\n"
     "Changes the profiles of one layer of an element file in place. OPERATION is\n"
     "extend-start (--a), extend-end (--b), extend-both, directions (printed; the\n"
     "file stays as it is), lead-in or lead-out (a tangent arc to the end moved by\n"
     "--a, --b). A file that is not an element file is refused unless --force.\n\n"
     "example: dxfelem rewrite panel.txt --layer GROOVESide1 --op extend-both --a 5 --b 5\n"},
    {"info",
     "usage: dxfelem info IN.dxf [--params FILE.ini --section NAME] [--json]\n\n"
     "Tells what a drawing holds (version, units, extents, layers, entities per\n"
     "kind and layer, blocks and their inserts) and what a conversion with the\n"
     "settings would skip, and why.\n\n"
     "example: dxfelem info panel.dxf --params cam.ini --section Panel\n"},
    {"preview",
     "usage: dxfelem preview FILE.txt [-o FILE.svg] [--force]\n\n"
     "Draws an element file as SVG (on standard output without -o): every layer in\n"
     "its colour, arcs as arcs, holes as circles, open profiles dashed, an arrow at\n"
     "the start of every profile along its direction. A file that is not an\n"
     "element file is refused unless --force.\n\n"
     "example: dxfelem preview panel.txt -o panel.svg\n"},
    {"check",
     "usage: dxfelem check IN.dxf [--params FILE.ini --section NAME] [--min-length L] [--all]\n"
     "                     [--json] [--preview FILE.svg]\n\n"
     "Converts the drawing in memory with the settings (nothing is written) and tells\n"
     "per layer what a machine would meet: profiles left open after chaining (their\n"
     "ends, the nearest end of another piece, and the Tollerance that would close\n"
     "them), pieces cut twice (on one layer, and across layers), closed profiles that\n"
     "cross themselves or each other, pieces shorter than\n"
     "L (ten times Tollerance by default), and $INSUNITS the settings do not fit. It\n"
     "ends with one line per kind of finding. Each layer shows the first 20 findings\n"
     "of each kind and how many more there are; --all lists every one, as --json\n"
     "does. --preview draws the result with the findings in red. Exit status 3 when\n"
     "something was found.\n\n"
     "example: dxfelem check panel.dxf --params cam.ini --section Panel\n"},
    {"todxf",
     "usage: dxfelem todxf FILE.txt [-o OUT.dxf] [--force]\n\n"
     "Writes an element file back as a plain DXF: LINE, ARC, CIRCLE, POINT and\n"
     "INSERT on the elements' layers, for any CAD program. A file that is not an\n"
     "element file is refused unless --force.\n\n"
     "example: dxfelem todxf panel.txt -o panel-result.dxf\n"},
};

}  // namespace

std::string CommandHelp(const std::string& command) {
  for (const Help& help : kHelp) {
    if (command == help.command) return help.text;
  }
  return {};
}

}  // namespace dxfelem::cli
