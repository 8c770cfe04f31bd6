#include <charconv>
#include <string>

#include "params/parameter_file.h"
#include "params/parameter_record.h"
#include "platform/c_number_text.h"
#include "platform/profile_file.h"

namespace dxfelem {
namespace {

std::string Fixed(double value, int decimals) {
  char text[kFixedTextCapacity];
  return std::string(text, FormatFixed(text, value, decimals));
}

// The shortest decimal text that reads back as the same number: a setting
// of our own written back must be the setting the user gave.
std::string Exact(double value) {
  char text[kFixedTextCapacity];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
  return std::string(text, end);
}

std::string Decimal(int32_t value) {
  char text[12];
  return std::string(text, FormatInt(text, value));
}

}  // namespace

void WriteBackParameters(const ParameterRecord& p, ProfileFile& file, const std::string& section) {
  if (file.path().empty() || section.empty()) return;
  // The keys the host keeps in step, in this order; floats widened to double.
  file.WriteString(section, "RadiusMin", Fixed(static_cast<double>(p.RadiusMin), 2));
  file.WriteString(section, "Absolute", Decimal(p.Absolute));
  file.WriteString(section, "Tollerance", Fixed(static_cast<double>(p.Tollerance), 5));
  file.WriteString(section, "Connect", Decimal(p.Connect));
  file.WriteString(section, "IniConnect", Decimal(p.IniConnect));
  file.WriteString(section, "ArcCode", Decimal(p.ArcCode));
  file.WriteString(section, "SegmentoMacro", Fixed(p.SegmentoMacro, 5));
  file.WriteString(section, "Altezza3D", Decimal(p.Altezza3D));
  file.WriteString(section, "EscludeBlocchi", Decimal(p.EscludeBlocchi));
  file.WriteString(section, "ArchiEllisse", Decimal(p.ArchiEllisse));
  file.WriteString(section, "UnitaMisuraVal", Decimal(p.UnitaMisuraVal));
  file.WriteString(section, "DecimaliTxt", Decimal(p.DecimaliTxt));
  file.WriteString(section, "SpazioFont", Fixed(p.SpazioFont, 5));
  file.WriteString(section, "Testo", Decimal(p.Testo));
  // A section without the spline keys stays without them.
  if (p.splineKeysPresent) {
    file.WriteString(section, "SplineArchi", Decimal(p.SplineArchi));
    file.WriteString(section, "SplineToll", Exact(p.SplineToll));
  }
  if (p.explodeKeyPresent) file.WriteString(section, "EsplodiBlocchi", Decimal(p.EsplodiBlocchi));
}

}  // namespace dxfelem
