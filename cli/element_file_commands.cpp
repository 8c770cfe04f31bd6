// The commands on an element file: its picture (preview) and its DXF (todxf).
#include <cstdio>

#include "cli/commands.h"
#include "cli/dxf_export.h"
#include "cli/element_file_nodes.h"
#include "cli/svg_preview.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {

namespace {

// The text into the file, or onto standard output without a name.
bool WriteOut(const std::string& text, const std::string& path) {
  if (path.empty()) {
    PrintData(text);
    return true;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (file != nullptr) written = std::fclose(file) == 0 && written;
  if (!written) Tell("cannot write " + path);
  return written;
}

// False, with the reason told, when the output (empty: standard output)
// would replace the file it is made from.
bool MayWrite(const std::string& output, const std::string& what, const std::string& input) {
  std::string reason;
  if (output.empty() || OutputAllowed(output, what, input, "", "", reason)) return true;
  Tell(reason);
  return false;
}

// The nodes to draw. What does not read as an element file is refused
// unless `force` (a picture of random bytes is no picture); nodes beyond
// any drawing are left out, and the user is told.
bool ReadElements(const std::string& elementFile, bool force, std::vector<FileElement>& elements) {
  if (!force) {
    const Report check(dxfelem_check_element_file(elementFile.c_str()));
    if (check && dxfelem_report_ok(check.get()) == 0) {
      const std::string message = dxfelem_report_message(check.get());
      // A file that cannot be read is told below, as for --force.
      if (message.rfind("cannot read ", 0) != 0) {
        Tell(message + " (--force draws what can be read)");
        return false;
      }
    }
  }
  long leftOut = 0;
  if (!ReadElementFileNodes(elementFile, elements, leftOut)) {
    Tell("cannot read " + elementFile);
    return false;
  }
  if (leftOut > 0) {
    Warn(std::to_string(leftOut) + " nodes of " + elementFile +
         " are left out: a coordinate or value is not a finite number, or beyond 1e100");
  }
  return true;
}

}  // namespace

bool WritePreview(const std::string& elementFile, const std::string& svgFile, bool force) {
  std::vector<FileElement> elements;
  return MayWrite(svgFile, "picture", elementFile) && ReadElements(elementFile, force, elements) &&
         WriteOut(SvgPreview(elements, elementFile), svgFile);
}

int RunToDxf(const Options& options) {
  std::vector<FileElement> elements;
  if (!MayWrite(options.preview, "DXF", options.files[0]) || !ReadElements(options.files[0], options.force, elements)) {
    return FinishOutput(kExitFailed);
  }
  std::vector<std::string> renamed;
  if (!WriteOut(DxfExport(elements, renamed), options.preview)) return FinishOutput(kExitFailed);
  for (const std::string& change : renamed) Warn(change);
  if (!options.preview.empty()) Tell("wrote " + options.files[0] + " as " + options.preview);
  return FinishOutput(kExitSuccess);
}

int RunPreview(const Options& options) {
  if (!WritePreview(options.files[0], options.preview, options.force)) return FinishOutput(kExitFailed);
  if (!options.preview.empty()) Tell("drew " + options.files[0] + " into " + options.preview);
  return FinishOutput(kExitSuccess);
}

}  // namespace dxfelem::cli
