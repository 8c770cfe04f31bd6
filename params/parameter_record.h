// All settings of a conversion, each named by its key in the parameter file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dxfelem {

// A row L1..L15 of the "Altro" setting: a name and four integers.
struct AltroRow {
  std::string name;
  std::array<int32_t, 4> values{};  // A, B, C, D
};

// Built-in defaults, used when no parameter file is given.
struct ParameterRecord {
  float RadiusMin = 0.0f;
  float Tollerance = 0.0001f;
  int32_t Connect = 0;
  int32_t Absolute = 0;
  int32_t IniConnect = 0;
  int32_t InvProfili = 0;
  int32_t ArcCode = 0;
  int32_t Rotate = 0;
  double SegmentoMacro = 0.0;
  int32_t Altezza3D = 0;
  int32_t EscludeBlocchi = 0;
  int32_t ArchiEllisse = 8;
  int32_t UnitaMisura = 0;
  int32_t UnitaMisuraVal = 0;
  int32_t inchFlag = 0;  // 1 while the length settings are held in inches
  int32_t DecimaliTxt = 5;
  int32_t PoliSpline = 0;
  double TolleSpline = 0.1;
  int32_t InterpSpline = 0;
  int32_t Testo = 1;
  int32_t RaggioFresa = 0;
  double RaggioFresaRf = 0.0;
  double RaggioFresaEps = 0.005;
  int32_t RaggioFresaRacc = 0;
  int32_t RaggioFresaRidu = 1;
  double SpazioFont = 0.0;
  double InterFont = 10.0;
  std::array<std::string, 6> SideInp;  // face names, faces 1..6
  std::array<std::string, 6> Side;     // side texts
  std::array<std::string, 8> Var;      // piece variables
  // Face numbers. Without a parameter file no face is substituted, which is
  // what 0 (outside 1..6) means to the face choice.
  std::array<int32_t, 6> ScambiaFacce{};
  double TolleTangente = 0.02;
  // SPLINE as arcs: 0 skips splines as the hosts always have, 1 turns each
  // into arcs and segments within SplineToll (drawing units) of the curve.
  // Written back only when the section has them.
  int32_t SplineArchi = 0;
  double SplineToll = 0.01;
  bool splineKeysPresent = false;
  // Blocks drawn: 1 makes every INSERT of a block that no block table names
  // draw the block's entities; anything else keeps blocks as references
  // only, as the hosts always have. Written back only when the section has it.
  int32_t EsplodiBlocchi = 0;
  bool explodeKeyPresent = false;
  std::array<double, 4> Bordo{50.0, 50.0, 50.0, 50.0};  // Bordo1..Bordo4 of "Altro"
  std::array<AltroRow, 15> AltroRows;

  // The face name of face 1..6.
  const std::string& FaceName(int face) const { return SideInp[static_cast<std::size_t>(face - 1)]; }
  // True when the layer is one of the six face names.
  bool IsFaceName(std::string_view layer) const {
    for (const std::string& face : SideInp) {
      if (face == layer) return true;
    }
    return false;
  }
};

}  // namespace dxfelem
