// The element file rewriting: the first byte picks the operation and the
// operands, the rest is the element file.
#include <cstdint>
#include <string>

#include "dxfelem/dxfelem.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int32_t operation = data[0] % 8;
  const double operands[] = {0.0, 5.0, -3.0, 1e-6, 1e300};
  double a = operands[(data[0] >> 3) % 5];
  double b = operands[(data[0] >> 5) % 5];
  const std::string path = dxfelem::fuzz::WriteInput("e.txt", data + 1, size - 1);
  const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  ConversionResult record;
  if (TxtToTxt("", "", path.c_str(), "", "L", operation, &a, &b, 0, &record) == 0) {
    dxfelem::fuzz::CheckNothingLost(before, {});
  }
  dxfelem::fuzz::CheckNoDebris();
  return 0;
}
