// dxfelem_preview and dxfelem_todxf: an element file drawn as SVG, or
// written back as a plain DXF, with the guards of every output.
#include "picture/dxf_export.h"
#include "picture/svg_preview.h"
#include "toolkit/api_objects.h"
#include "toolkit/document_delivery.h"
#include "toolkit/element_file_check.h"
#include "toolkit/file_guards.h"

namespace {

// The nodes to draw, or false with the report saying why. What does not
// read as an element file is refused unless `force` (a picture of random
// bytes is no picture); nodes beyond any drawing are left out, with a
// warning.
bool ReadElements(const std::string& elementFile, bool force, std::vector<dxfelem::FileElement>& elements,
                  dxfelem::ToolReport& report) {
  report.file = elementFile;
  report.code = -1;
  if (!force) {
    const dxfelem::ElementFileCheck check = dxfelem::CheckElementFile(elementFile, {});
    if (check.readable && !check.firstProblem.empty()) {
      report.message =
          elementFile + " is not an element file: " + check.firstProblem + "; nothing was drawn (--force draws what can be read)";
      return false;
    }
  }
  long leftOut = 0;
  if (!dxfelem::ReadElementFileNodes(elementFile, elements, leftOut)) {
    report.message = "cannot read " + elementFile;
    return false;
  }
  if (leftOut > 0) {
    report.warnings.push_back(std::to_string(leftOut) + " nodes of " + elementFile +
                              " are left out: a coordinate or value is not a finite number, or beyond 1e100");
  }
  return true;
}

// The guard of both: the output must not be the element file itself.
bool MayWrite(const std::string& output, const std::string& what, const std::string& elementFile,
              dxfelem::ToolReport& report) {
  if (output.empty()) return true;
  const std::string refusal = dxfelem::OutputRefusal(output, what, elementFile, "", "element file");
  if (refusal.empty()) return true;
  report.code = -1;
  report.message = refusal;
  return false;
}

void NoMemory(dxfelem::ToolReport& report, const char* file) {
  report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
  report.message = "no memory to draw " + dxfelem::CText(file);
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_preview(const char* file, const char* svg, int force) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string elementFile = dxfelem::CText(file);
        const std::string output = dxfelem::CText(svg);
        std::vector<dxfelem::FileElement> elements;
        if (!MayWrite(output, "picture", elementFile, report) ||
            !ReadElements(elementFile, force != 0, elements, report)) {
          return;
        }
        dxfelem::DeliverDocument(dxfelem::SvgPreview(elements, elementFile), output,
                                 output.empty() ? "drew " + elementFile : "drew " + elementFile + " into " + output,
                                 report);
      },
      [&](dxfelem::ToolReport& report) { NoMemory(report, file); });
}

DXFELEM_API dxfelem_report* dxfelem_todxf(const char* file, const char* dxf, int force) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string elementFile = dxfelem::CText(file);
        const std::string output = dxfelem::CText(dxf);
        std::vector<dxfelem::FileElement> elements;
        if (!MayWrite(output, "DXF", elementFile, report) || !ReadElements(elementFile, force != 0, elements, report)) {
          return;
        }
        std::vector<std::string> renamed;
        std::string document = dxfelem::DxfExport(elements, renamed);
        for (std::string& change : renamed) report.warnings.push_back(std::move(change));
        dxfelem::DeliverDocument(
            std::move(document), output,
            output.empty() ? "wrote " + elementFile + " as DXF" : "wrote " + elementFile + " as " + output, report);
      },
      [&](dxfelem::ToolReport& report) { NoMemory(report, file); });
}

DXFELEM_API const char* dxfelem_report_text(const dxfelem_report* report, size_t* size) {
  if (report == nullptr) {
    if (size != nullptr) *size = 0;
    return "";
  }
  if (size != nullptr) *size = report->report.text.size();
  return report->report.text.c_str();
}

}  // extern "C"
