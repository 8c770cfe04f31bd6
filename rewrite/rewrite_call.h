// The body of TxtToTxt and TxtToTxtNet: one operation on the elements of
// one layer of an element file, which is then written again in place.
#pragma once

#include <cstdint>
#include <string>

#include "conversion/call_outcome.h"

namespace dxfelem {

class ProfileFile;

struct RewriteRequest {
  std::string parameterFile;
  std::string section;
  std::string inputFile;
  std::string layer;
  int32_t operation = 0;
  double* value1 = nullptr;  // operands; the directions come back through them
  double* value2 = nullptr;
  // Where DecimaliTxt is read instead of the parameter file, when given
  // (settings held in memory).
  const ProfileFile* settings = nullptr;
};

// Runs the rewriting; an unknown operation succeeds with code 19.
CallResult RewriteElementFile(const RewriteRequest& request);

}  // namespace dxfelem
