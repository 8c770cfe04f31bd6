#include "check/check_finding.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dxfelem {
namespace {

std::string Number(double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

std::string Place(const FindingPlace& p) { return "(" + FindingFigure(p.x) + ", " + FindingFigure(p.y) + ")"; }

}  // namespace

std::string FindingFigure(double value) {
  // What is left of a zero after sines and cosines is told as 0.
  if (std::fabs(value) < 1e-9) value = 0.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

const char* FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::kOpenProfile: return "open profile";
    case FindingKind::kAdvice: return "advice";
    case FindingKind::kDoubleCut: return "double cut";
    case FindingKind::kDoubleCutAcrossLayers: return "double cut across layers";
    case FindingKind::kCrossing: return "crossing";
    case FindingKind::kTinyPiece: return "tiny piece";
    case FindingKind::kText: return "text";
    case FindingKind::kUnits: return "units";
    case FindingKind::kCutShort: return "check cut short";
  }
  return "";
}

std::size_t CheckResult::Count() const {
  std::size_t count = 0;
  for (const std::vector<CheckFinding>& part : parts) count += part.size();
  return count;
}

const CheckFinding& CheckResult::At(std::size_t index) const {
  for (const std::vector<CheckFinding>& part : parts) {
    if (index < part.size()) return part[index];
    index -= part.size();
  }
  return parts.back().back();
}

const std::string& CheckResult::LayerName(const CheckFinding& finding) const {
  static const std::string kNone;
  return finding.layer < layers.size() ? layers[finding.layer] : kNone;
}

std::string CheckResult::Describe(const CheckFinding& f) const {
  switch (f.kind) {
    case FindingKind::kOpenProfile: {
      std::string text =
          "from " + Place(f.at) + " to " + Place(f.to) + ", its ends " + FindingFigure(f.figure) + " apart";
      const FindingPlace ends[2] = {f.at, f.to};
      for (int i = 0; i < 2; ++i) {
        if (!f.nearFound[i]) continue;
        text += "; the nearest end of another piece to " + Place(ends[i]) + " is " + Place(f.near[i]) + ", " +
                FindingFigure(std::hypot(f.near[i].x - ends[i].x, f.near[i].y - ends[i].y)) + " away";
      }
      return text;
    }
    case FindingKind::kAdvice:
      return "Tollerance=" + Number(f.figure) + " would close " + std::to_string(f.count) + " of the " +
             std::to_string(f.total) + " open profiles of layer " + LayerName(f);
    case FindingKind::kDoubleCut:
    case FindingKind::kDoubleCutAcrossLayers: {
      std::string text = "cut twice over " + FindingFigure(f.figure);
      if (f.arc) text += " along the arc about " + Place(f.near[0]);
      text += " from " + Place(f.at) + " to " + Place(f.to);
      if (f.kind == FindingKind::kDoubleCutAcrossLayers && f.otherLayer < layers.size()) {
        text += " (also on layer " + layers[f.otherLayer] + ")";
      }
      return text;
    }
    case FindingKind::kCrossing: {
      std::string text =
          f.itself ? "the closed profile from " + Place(f.near[0]) + " crosses itself"
                   : "the closed profiles from " + Place(f.near[0]) + " and from " + Place(f.near[1]) + " cross";
      text += " at " + Place(f.at);
      if (f.count > 1) text += " (" + std::to_string(f.count) + " crossings)";
      return text;
    }
    case FindingKind::kTinyPiece:
      return std::string(f.arc ? "an arc" : "a segment") + " of " + FindingFigure(f.figure) + " at " + Place(f.at);
    case FindingKind::kText:
    case FindingKind::kUnits:
    case FindingKind::kCutShort: return f.note < notes.size() ? notes[f.note] : std::string();
  }
  return std::string();
}

}  // namespace dxfelem
