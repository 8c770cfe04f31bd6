// The commands on an element file: its picture (preview) and its DXF (todxf).
#include <cstdio>

#include "cli/commands.h"
#include "cli/dxf_export.h"
#include "cli/element_file_nodes.h"
#include "cli/svg_preview.h"
#include "cli/tool_output.h"

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

bool ReadElements(const std::string& elementFile, std::vector<FileElement>& elements) {
  if (ReadElementFileNodes(elementFile, elements)) return true;
  Tell("cannot read " + elementFile);
  return false;
}

}  // namespace

bool WritePreview(const std::string& elementFile, const std::string& svgFile) {
  std::vector<FileElement> elements;
  return ReadElements(elementFile, elements) && WriteOut(SvgPreview(elements, elementFile), svgFile);
}

int RunToDxf(const Options& options) {
  std::vector<FileElement> elements;
  if (!ReadElements(options.files[0], elements) || !WriteOut(DxfExport(elements), options.preview)) {
    return FinishOutput(kExitFailed);
  }
  if (!options.preview.empty()) Tell("wrote " + options.files[0] + " as " + options.preview);
  return FinishOutput(kExitSuccess);
}

int RunPreview(const Options& options) {
  if (!WritePreview(options.files[0], options.preview)) return FinishOutput(kExitFailed);
  if (!options.preview.empty()) Tell("drew " + options.files[0] + " into " + options.preview);
  return FinishOutput(kExitSuccess);
}

}  // namespace dxfelem::cli
