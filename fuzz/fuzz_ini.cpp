// The private-profile reading and writing: lookups and rewrites of any text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/input_workspace.h"
#include "platform/ini_text.h"
#include "platform/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string value;
  dxfelem::FindIniValue(text, "Panel", "Connect", value);
  // What is written must read back, whatever the text around it.
  const std::string changed = dxfelem::SetIniValue(text, "Panel", "Side1", "X");
  if (!dxfelem::FindIniValue(changed, "Panel", "Side1", value) || value != "X") std::abort();
  dxfelem::ProfileFile file(dxfelem::fuzz::WriteInput("p.ini", data, size));
  file.GetString("Panel", "Altro", "", 1000);
  file.GetInt("Panel", "DecimaliTxt", 5);
  const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  const bool written = file.WriteString("Panel", "Var1", "0");
  if (!file.Save() || !written) dxfelem::fuzz::CheckNothingLost(before, {});
  dxfelem::fuzz::CheckNoDebris();
  return 0;
}
