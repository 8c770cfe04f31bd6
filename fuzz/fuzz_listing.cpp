// The layer and block listings of DXF bytes.
#include <cstdint>
#include <string>

#include "dxfelem/dxfelem.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string dxf = dxfelem::fuzz::WriteInput("list.dxf", data, size);
  const std::string list = dxfelem::fuzz::Workspace() + "/list.txt";
  int32_t code = 0;
  dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  if (DxfToLayersNet("", "", dxf.c_str(), list.c_str(), "", &code) == 0) dxfelem::fuzz::CheckNothingLost(before, {});
  dxfelem::fuzz::CheckNoDebris();
  before = dxfelem::fuzz::ReadWorkspace();
  // A block listing whose entity pass fails keeps the names found so far
  // (code 4), as the hosts expect: only then may the list change.
  if (DxfToBlocksNet("", "", dxf.c_str(), list.c_str(), "", &code) == 0) {
    dxfelem::fuzz::CheckNothingLost(before, code == 4 ? std::set<std::string>{"list.txt"} : std::set<std::string>{});
  }
  dxfelem::fuzz::CheckNoDebris();
  return 0;
}
