// The layer and block listings of DXF bytes.
#include <cstdint>
#include <string>

#include "dxfelem/dxfelem.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string dxf = dxfelem::fuzz::WriteInput("list.dxf", data, size);
  const std::string list = dxfelem::fuzz::Workspace() + "/list.txt";
  int32_t code = 0;
  DxfToLayersNet("", "", dxf.c_str(), list.c_str(), "", &code);
  DxfToBlocksNet("", "", dxf.c_str(), list.c_str(), "", &code);
  return 0;
}
