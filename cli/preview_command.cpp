#include <cstdio>

#include "cli/commands.h"
#include "cli/element_file_nodes.h"
#include "cli/svg_preview.h"
#include "cli/tool_output.h"

namespace dxfelem::cli {

bool WritePreview(const std::string& elementFile, const std::string& svgFile) {
  std::vector<FileElement> elements;
  if (!ReadElementFileNodes(elementFile, elements)) {
    Tell("cannot read " + elementFile);
    return false;
  }
  const std::string svg = SvgPreview(elements, elementFile);
  if (svgFile.empty()) {
    PrintData(svg);
    return true;
  }
  std::FILE* file = std::fopen(svgFile.c_str(), "wb");
  bool written = file != nullptr && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
  if (file != nullptr) written = std::fclose(file) == 0 && written;
  if (!written) Tell("cannot write " + svgFile);
  return written;
}

int RunPreview(const Options& options) {
  if (!WritePreview(options.files[0], options.preview)) return FinishOutput(kExitFailed);
  if (!options.preview.empty()) Tell("drew " + options.files[0] + " into " + options.preview);
  return FinishOutput(kExitSuccess);
}

}  // namespace dxfelem::cli
