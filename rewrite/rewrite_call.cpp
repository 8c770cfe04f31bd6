#include "rewrite/rewrite_call.h"

#include <memory>
#include <new>

#include "output/text_element_writer.h"
#include "platform/profile_file.h"
#include "rewrite/element_file_reader.h"
#include "rewrite/rewrite_operations.h"

namespace dxfelem {
namespace {

void Report(ConversionResult& record, int32_t code, const std::string& fileName = std::string()) {
  StatusInfo status;
  if (fileName.empty()) status.Fail(code);
  else status.FailWithFile(code, fileName);
  CopyStatusToResult(status, record);
}

}  // namespace

CallOutcome RewriteElementFile(const RewriteRequest& request, ConversionResult& record) {
  // An unknown operation is reported at once; the file is still read and
  // written back unchanged, and the call succeeds.
  const bool known = request.operation >= kExtendStart && request.operation <= kLeadOut;
  if (!known) {
    record.errorCode = DXFELEM_E_UNKNOWN_OPERATION;
    record.status = 500 + DXFELEM_E_UNKNOWN_OPERATION;
  }
  std::unique_ptr<Drawing> drawing(new (std::nothrow) Drawing(request.inputFile));
  if (!drawing) return CallOutcome::kNoMemory;
  if (!ReadElementFile(*drawing)) {
    Report(record, DXFELEM_E_FILE, request.inputFile);
    return CallOutcome::kFailedWithoutCompletion;
  }

  if (known) {
    // A caller without operands gets them as zeros; nothing is written back.
    double a = request.value1 != nullptr ? *request.value1 : 0.0;
    double b = request.value2 != nullptr ? *request.value2 : 0.0;
    bool reported = false;
    for (Element& element : drawing->elements()) {
      if (element.empty() || element.layer() != request.layer) continue;
      if (!ApplyRewriteOperation(element, request.operation, a, b)) {
        // The file is left as it was.
        Report(record, DXFELEM_E_OPERATION_FAILED);
        return CallOutcome::kFailed;
      }
      reported = request.operation == kReportDirections;
    }
    if (reported) {
      if (request.value1 != nullptr) *request.value1 = a;
      if (request.value2 != nullptr) *request.value2 = b;
    }
  }

  const int32_t decimals = ProfileFile(request.parameterFile).GetInt(request.section, "DecimaliTxt", 5);
  if (!WriteTextElementFile(*drawing, decimals)) {
    Report(record, DXFELEM_E_FILE, request.inputFile);
    return CallOutcome::kFailed;
  }
  return CallOutcome::kSucceeded;
}

}  // namespace dxfelem
