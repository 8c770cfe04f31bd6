#include <string_view>

#include "params/parameter_file.h"
#include "params/parameter_record.h"
#include "params/selection_lists.h"
#include "params/text_fields.h"
#include "platform/c_number_text.h"
#include "platform/path_parts.h"
#include "platform/profile_file.h"
#include "platform/user_message.h"

namespace dxfelem {
namespace {

constexpr std::string_view kSettingsSection = "Pelvor";

std::string Numbered(std::string_view key, int n, std::string_view suffix = {}) {
  std::string name(key);
  name += std::to_string(n);
  name += suffix;
  return name;
}

class ParameterSource {
 public:
  ParameterSource(ProfileFile& file, const std::string& section) : file_(file), section_(section) {}

  std::string Text(std::string_view key, std::string_view fallback = {}, std::size_t size = 260) const {
    return file_.GetString(section_, key, fallback, size);
  }
  double Number(std::string_view key, std::string_view fallback) const { return ParseDouble(Text(key, fallback)); }
  int32_t Integer(std::string_view key, int32_t fallback) const { return file_.GetInt(section_, key, fallback); }
  void Write(std::string_view key, std::string_view value) { file_.WriteString(section_, key, value); }

 private:
  ProfileFile& file_;
  const std::string& section_;
};

void ReadSideTexts(ParameterSource& in, const ProfileFile& settings, ParameterRecord& p) {
  for (int i = 1; i <= 6; ++i) {
    std::string key = Numbered("Side", i);
    std::string value = in.Text(key);
    if (value.empty()) {
      value = TrimBlanks(settings.GetString(kSettingsSection, key, {}));
      // Without a side text anywhere the key is written as a single space.
      if (value.empty()) value.assign(1, ' ');
      in.Write(key, value);
    }
    p.Side[static_cast<std::size_t>(i - 1)] = value;
  }
}

void ReadPieceVariables(ParameterSource& in, const ProfileFile& settings, ParameterRecord& p) {
  for (int i = 1; i <= 8; ++i) {
    std::string value = in.Text(Numbered("Var", i));
    if (!value.empty()) {
      p.Var[static_cast<std::size_t>(i - 1)] = value;
      continue;
    }
    // The first missing variable fills all eight from "PieceVars": parts
    // separated by ";", the last part repeated for the ones left over.
    std::string all(TrimBlanks(settings.GetString(kSettingsSection, "PieceVars", {})));
    std::string_view rest = all;
    for (int j = 1; j <= 8; ++j) {
      std::string part = "0";
      if (!all.empty()) {
        std::size_t end = rest.find(';');
        part = TrimWhiteSpace(rest.substr(0, end));
        if (end != std::string_view::npos) rest = rest.substr(end + 1);
      }
      in.Write(Numbered("Var", j), part);
      p.Var[static_cast<std::size_t>(j - 1)] = part;
    }
    return;
  }
}

// The spline keys are new: a section without them converts exactly as
// before. A SplineToll out of its range is told, and the default used.
void TellSplineSettings(const ParameterSource& in, ParameterRecord& p) {
  p.splineKeysPresent = !in.Text("SplineArchi").empty() || !in.Text("SplineToll").empty();
  if (!in.Text("SplineToll").empty() && p.SplineToll != in.Number("SplineToll", "0.01")) {
    ShowUserMessage("dxfelem", "SplineToll must lie above 0.000001 and at most 10: 0.01 is used");
  }
}

void ReadFaceNumbers(const ParameterSource& in, ParameterRecord& p) {
  std::string_view suffix;
  if (in.Integer("ScambiaFacce1_2D", -1) != -1) suffix = p.Altezza3D != 0 ? "_3D" : "_2D";
  for (int i = 1; i <= 6; ++i)
    p.ScambiaFacce[static_cast<std::size_t>(i - 1)] = in.Integer(Numbered("ScambiaFacce", i, suffix), i);
}

void ReadFaceNames(const ParameterSource& in, ParameterRecord& p) {
  std::string_view suffix;
  if (!in.Text("SideInp1_2D").empty()) suffix = p.Altezza3D != 0 ? "_3D" : "_2D";
  for (int i = 1; i <= 6; ++i) {
    std::string line = in.Text(Numbered("SideInp", i, suffix));
    if (line.empty()) line = Numbered("Side", i) + ",0,0,0,0,0,0,0,0,0,0,0;";
    std::string_view trimmed = TrimBlanks(line);
    std::size_t end = trimmed.find(';');
    if (end == std::string_view::npos) continue;
    std::vector<std::string> fields = SplitFields(FillEmptyFields(trimmed.substr(0, end)), ',', 12);
    if (IsGivenField(fields, 0)) p.SideInp[static_cast<std::size_t>(i - 1)] = fields[0];
  }
}

// "key=value;key=value": only YesLogic is recognised.
void ApplyOverride(std::string_view text, SelectionLists& selection) {
  while (!text.empty()) {
    std::size_t end = text.find(';');
    std::string_view item = text.substr(0, end);
    std::size_t equals = item.find('=');
    if (equals != std::string_view::npos && item.substr(0, equals) == "YesLogic") {
      selection.YesLogic = ParseInt(item.substr(equals + 1));
    }
    if (end == std::string_view::npos) break;
    text = text.substr(end + 1);
  }
}

}  // namespace

void ReadLeavingSettings(const ProfileFile& file, const std::string& section, ParameterRecord& p) {
  p.Altezza3D = file.GetInt(section, "Altezza3D", 0);
  p.Testo = file.GetInt(section, "Testo", 1);
  p.SplineArchi = file.GetInt(section, "SplineArchi", 0) == 1 ? 1 : 0;
  const double tolerance = ParseDouble(file.GetString(section, "SplineToll", "0.01"));
  p.SplineToll = tolerance > 1e-6 && tolerance <= 10.0 ? tolerance : 0.01;
}

void ReadParameters(ParameterRecord& p, SelectionLists& selection, ProfileFile& file, const std::string& section) {
  if (!file.HoldsSettings() || section.empty()) return;
  // When the parameter file is ROZOZ.INI itself, its fallbacks must see the
  // side texts just written into it, as they would in the file. Settings
  // given in memory have no folder, and no ROZOZ.INI beside them.
  ProfileFile settingsFile(file.path().empty() ? std::string() : FolderOf(file.path()) + "ROZOZ.INI");
  const ProfileFile& settings = settingsFile.SharesFileWith(file) ? file : settingsFile;
  ParameterSource in(file, section);

  std::string override(TrimBlanks(settings.GetString(kSettingsSection, "Parametri", {})));

  selection.YesLogic = in.Integer("YesLogic", 0);
  ReadNameLists(file, section, selection);

  p.RadiusMin = static_cast<float>(in.Number("RadiusMin", "0.0"));
  p.Tollerance = static_cast<float>(in.Number("Tollerance", "0.001"));

  p.Connect = in.Integer("Connect", 1);
  p.IniConnect = in.Integer("IniConnect", 0);
  p.Absolute = in.Integer("Absolute", 0);
  p.InvProfili = in.Integer("InvProfili", 0);
  p.ArcCode = in.Integer("ArcCode", 0);
  p.Rotate = in.Integer("Rotate", 0);
  p.SegmentoMacro = in.Integer("SegmentoMacro", 0);
  p.EscludeBlocchi = in.Integer("EscludeBlocchi", 0);
  p.explodeKeyPresent = !in.Text("EsplodiBlocchi").empty();
  p.EsplodiBlocchi = in.Integer("EsplodiBlocchi", 0) == 1 ? 1 : 0;
  p.ArchiEllisse = in.Integer("ArchiEllisse", 8);
  p.UnitaMisura = in.Integer("UnitaMisura", 0);
  p.UnitaMisuraVal = in.Integer("UnitaMisuraVal", 0);
  p.DecimaliTxt = in.Integer("DecimaliTxt", 5);
  p.PoliSpline = in.Integer("PoliSpline", 0);

  p.TolleSpline = in.Number("TolleSpline", "0.1");
  p.InterpSpline = in.Integer("InterpSpline", 0);
  p.TolleTangente = in.Number("TolleTangente", "0.02");
  ReadLeavingSettings(file, section, p);
  TellSplineSettings(in, p);

  std::string altro = in.Text("Altro", {}, 1000);
  if (!altro.empty()) ParseAltro(altro, p);

  p.RaggioFresa = in.Integer("RaggioFresa", 0);
  p.RaggioFresaRf = in.Number("RaggioFresaRf", "0.0");
  p.RaggioFresaEps = in.Number("RaggioFresaEps", "0.005");
  p.RaggioFresaRacc = in.Integer("RaggioFresaRacc", 0);
  p.RaggioFresaRidu = in.Integer("RaggioFresaRidu", 1);
  p.SpazioFont = in.Number("SpazioFont", "0.0");
  p.InterFont = in.Number("InterFont", "10.0");

  ReadSideTexts(in, settings, p);
  ReadPieceVariables(in, settings, p);
  ReadFaceNumbers(in, p);
  ReadFaceNames(in, p);

  ReadLayerTables(file, section, selection);
  ReadBlockTables(file, section);

  // The override comes after the lists were read under the file's own YesLogic.
  if (!override.empty()) ApplyOverride(override, selection);
}

}  // namespace dxfelem
