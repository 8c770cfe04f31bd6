#include "rewrite/rewrite_call.h"

#include <memory>
#include <new>

#include "output/text_element_writer.h"
#include "platform/profile_file.h"
#include "rewrite/element_file_reader.h"
#include "rewrite/rewrite_operations.h"

namespace dxfelem {

CallResult RewriteElementFile(const RewriteRequest& request) {
  // An unknown operation is reported, but the file is still read and
  // written back unchanged, and the call succeeds.
  const bool known = request.operation >= kExtendStart && request.operation <= kLeadOut;
  const StatusInfo unknown = known ? StatusInfo::Success() : StatusInfo::Failure(DXFELEM_E_UNKNOWN_OPERATION);
  std::unique_ptr<Drawing> drawing(new (std::nothrow) Drawing(request.inputFile));
  if (!drawing) return {CallOutcome::kNoMemory, {}};
  if (!ReadElementFile(*drawing)) {
    return {CallOutcome::kFailedWithoutCompletion, StatusInfo::FileFailure(DXFELEM_E_FILE, request.inputFile)};
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
        return {CallOutcome::kFailed, StatusInfo::Failure(DXFELEM_E_OPERATION_FAILED)};
      }
      reported = request.operation == kReportDirections;
    }
    if (reported) {
      if (request.value1 != nullptr) *request.value1 = a;
      if (request.value2 != nullptr) *request.value2 = b;
    }
  }

  const int32_t decimals = request.settings != nullptr
                               ? request.settings->GetInt(request.section, "DecimaliTxt", 5)
                               : ProfileFile(request.parameterFile).GetInt(request.section, "DecimaliTxt", 5);
  if (!WriteTextElementFile(*drawing, decimals)) {
    return {CallOutcome::kFailed, StatusInfo::FileFailure(DXFELEM_E_FILE, request.inputFile)};
  }
  return {CallOutcome::kSucceeded, unknown};
}

}  // namespace dxfelem
