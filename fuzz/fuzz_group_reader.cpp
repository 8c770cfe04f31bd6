// The DXF line and group reader alone: tokens, values, the signature check.
#include <cstdint>
#include <string>

#include "dxf/dxf_line_reader.h"
#include "dxf/dxf_signature.h"
#include "dxf/value_readers.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = dxfelem::fuzz::WriteInput("groups.dxf", data, size);
  dxfelem::TextInputFile file;
  if (!file.Open(path)) return 0;
  dxfelem::CheckDxfSignature(file);
  dxfelem::DxfLineReader reader(file);
  double sum = 0.0;
  while (!reader.AtEnd()) {
    switch (dxfelem::ReadToken(reader)) {
      case dxfelem::kGroup10: sum += dxfelem::ReadRounded4(reader); break;
      case dxfelem::kGroup20: sum += dxfelem::ReadRounded4Single(reader); break;
      case dxfelem::kGroup70: sum += dxfelem::ReadInt(reader); break;
      case dxfelem::kGroup42: sum += dxfelem::ReadDouble(reader); break;
      default: dxfelem::ReadRawLine(reader, nullptr); break;
    }
  }
  volatile double sink = sum;  // keep the reads from being optimised away
  (void)sink;
  return 0;
}
