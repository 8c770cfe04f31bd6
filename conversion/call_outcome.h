// What the body of an entry point reports to the frame around it.
#pragma once

#include "conversion/status_info.h"

namespace dxfelem {

enum class CallOutcome {
  kSucceeded,
  kFailed,
  kNoMemory,                 // the working objects could not be made
  kFailedWithoutCompletion,  // failed before anything was done: no completion file
};

struct [[nodiscard]] CallResult {
  CallOutcome outcome = CallOutcome::kSucceeded;
  // Copied into the caller's record when its code is not 0 (a rewriting
  // with an unknown operation succeeds with code 19).
  StatusInfo status;
};

}  // namespace dxfelem
