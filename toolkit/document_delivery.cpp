#include "toolkit/document_delivery.h"

#include "dxfelem/dxfelem.h"
#include "platform/file_replacement.h"

namespace dxfelem {

void DeliverDocument(std::string document, const std::string& output, const std::string& done, ToolReport& report) {
  report.code = 0;
  report.ok = true;
  report.message = done;
  if (output.empty()) {
    report.text = std::move(document);
    return;
  }
  FileReplacement replacement;
  if (!replacement.Begin(output) || !replacement.Write(document.data(), document.size()) || !replacement.Commit()) {
    report.ok = false;
    report.code = DXFELEM_E_FILE;
    report.file = output;
    report.message = "cannot write " + output + " (an old file of that name is as it was)";
  }
}

}  // namespace dxfelem
