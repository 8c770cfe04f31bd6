// The whole conversion from DXF bytes, through the same path as DxfToTxt,
// with a fixed parameter file that turns on chaining, start points and
// splines as arcs.
#include <cstdint>
#include <string>

#include "dxfelem/dxfelem.h"
#include "fuzz/input_workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::string kSettings =
      "[F]\nConnect=1\nIniConnect=1\nTollerance=0.5\nRadiusMin=2\nArchiEllisse=2\nAltezza3D=1\n"
      "McrBlock1=B1;\nMcrLayer1=CUT,1050;\nLavLayer1=DRILL,90;\nDecimaliTxt=4\nSplineArchi=1\nEsplodiBlocchi=1\n";
  const std::string dxf = dxfelem::fuzz::WriteInput("in.dxf", data, size);
  const std::string ini =
      dxfelem::fuzz::WriteInput("p.ini", reinterpret_cast<const uint8_t*>(kSettings.data()), kSettings.size());
  const std::string out = dxfelem::fuzz::Workspace() + "/out.txt";
  const dxfelem::fuzz::FolderContent before = dxfelem::fuzz::ReadWorkspace();
  ConversionResult record;
  const int32_t returned =
      DxfToTxt(ini.c_str(), "F", dxf.c_str(), out.c_str(), (dxfelem::fuzz::Workspace() + "/done").c_str(), &record);
  // The settings are written back after a failed conversion too, as the
  // hosts expect; the element file of the last input must stay.
  if (returned == 0) dxfelem::fuzz::CheckNothingLost(before, {"done", "p.ini"});
  dxfelem::fuzz::CheckNoDebris();
  return 0;
}
