// The DXF line and group reader alone: tokens, values, the signature check;
// and the lines read ahead on a thread of their own, which must be the
// lines read in place.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

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

  std::vector<std::string> lines[2];
  for (int ahead = 0; ahead < 2; ++ahead) {
    if (!file.Rewind()) return 0;
    dxfelem::DxfLineReader again(file);
    if (ahead == 1) again.ReadAhead();
    std::string_view line;
    while (again.ReadLine(line)) lines[ahead].emplace_back(line);
  }
  if (lines[0] != lines[1]) std::abort();
  return 0;
}
