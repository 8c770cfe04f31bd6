// What a CAM programmer wants to know of a converted drawing before it is
// cut: profiles left open (with the nearest end and the Tollerance that
// would close them), pieces cut twice, closed profiles that cross themselves
// or each other, pieces too short to cut, and a
// drawing whose units the settings do not fit. It looks at the elements as
// the conversion finishes them, after chaining, and keeps only their
// pieces' ends: near-linear for any drawing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "geometry/element.h"
#include "geometry/point3.h"

namespace dxfelem {

struct CheckFinding {
  std::string kind;     // "open profile", "double cut", "double cut across layers", "tiny piece", "units", "advice"
  std::string layer;    // "" for the drawing as a whole
  std::string text;     // what was found, with its figures
  Point3 at;            // where (a double cut: where it starts)
  Point3 to;            // the other end of an open profile, a double cut or a piece
  double figure = 0.0;  // the distance, length or size found
};

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

  // Everything found, by kind then in the drawing's order.
  std::vector<CheckFinding> Findings() const;

 private:
  struct Piece {
    uint32_t profile;
    bool arc;
    Point3 a, m, b;
  };
  struct Profile {
    uint32_t layer;
    Point3 start, end;
    bool open;
  };

  uint32_t LayerOf(const std::string& name);
  void OpenProfiles(std::vector<CheckFinding>& findings) const;
  void DoubleCuts(std::vector<CheckFinding>& findings) const;
  void DoubleArcs(std::vector<CheckFinding>& findings) const;
  void TinyPieces(std::vector<CheckFinding>& findings) const;
  void Crossings(std::vector<CheckFinding>& findings) const;

  double tolerance_ = 0.0;
  double minLength_;
  std::vector<std::string> layers_;
  std::unordered_map<std::string, uint32_t> layerIndex_;
  std::vector<Profile> profiles_;
  std::vector<Piece> pieces_;
  std::vector<CheckFinding> unitFindings_;
};

// The least value of two significant digits that, held as the conversion
// holds Tollerance (single precision), reaches `gap`.
double ToleranceReaching(double gap);

}  // namespace dxfelem
