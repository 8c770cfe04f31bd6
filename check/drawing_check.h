// What a CAM programmer wants to know of a converted drawing before it is
// cut: profiles left open (with the nearest end and the Tollerance that
// would close them), pieces cut twice, closed profiles that cross themselves
// or each other, pieces too short to cut, texts drawn in another face or
// spread wide, and a drawing whose units the settings do not fit. It looks
// at the elements as the conversion finishes them, after chaining, and
// keeps only their pieces: near-linear for any drawing.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "check/check_finding.h"
#include "check/checked_pieces.h"
#include "geometry/element.h"

namespace dxfelem {

class DrawingCheck {
 public:
  // Pieces shorter than `minLength` are tiny; 0 or less: ten times the
  // conversion's Tollerance.
  explicit DrawingCheck(double minLength) : minLength_(minLength) {}

  // Every element, as the conversion finishes it.
  void Take(const Element& element);
  // The drawing's $INSUNITS (0 when not given), and whether the settings
  // work it in inches (UnitaMisuraVal).
  void SetUnits(int insUnits, bool workedInInches, const std::string& settings);
  // The faces the font system gave in place of those asked for (asked,
  // given), and how many texts were lower than the gap between their
  // letters (SpazioFont), the lowest of them.
  void SetTexts(const std::map<std::string, std::string>& substitutes, long belowGap, double lowest, double gap);
  // The conversion's Tollerance, once it has read its settings.
  void SetTolerance(double tolerance);

  // Everything found, by kind then in the drawing's order; the check is
  // spent.
  CheckResult Finish();

 private:
  uint32_t LayerOf(const std::string& name);
  void Note(FindingKind kind, std::string words, double figure);
  void OpenProfiles(std::vector<CheckFinding>& findings) const;
  void TinyPieces(std::vector<CheckFinding>& findings) const;

  double minLength_;
  CheckedPieces drawing_;
  CheckResult result_;
  std::unordered_map<std::string, uint32_t> layerIndex_;
  std::vector<CheckFinding> notes_;  // texts and units, told last
};

// The least value of two significant digits that, held as the conversion
// holds Tollerance (single precision), reaches `gap`.
double ToleranceReaching(double gap);

}  // namespace dxfelem
