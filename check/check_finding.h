// One thing the check found, kept as figures: its words are made only when
// they are asked for, so that a drawing with millions of findings costs
// their figures, not their sentences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/point3.h"

namespace dxfelem {

enum class FindingKind : uint8_t {
  kOpenProfile,
  kAdvice,
  kDoubleCut,
  kDoubleCutAcrossLayers,
  kCrossing,
  kTinyPiece,
  kText,
  kUnits,
  kCutShort,  // a check that could not look at everything
};

// The kind as the report names it: "open profile", "double cut", ...
const char* FindingKindName(FindingKind kind);

// A figure as the findings tell it: four significant digits.
std::string FindingFigure(double value);

// A place on the machine's plane: the findings keep no heights.
struct FindingPlace {
  double x = 0.0;
  double y = 0.0;
  FindingPlace() = default;
  FindingPlace(const Point3& p) : x(p.x), y(p.y) {}  // NOLINT: a point of the drawing is a place on the plane
};

// The layer of a finding about the drawing as a whole.
inline constexpr uint32_t kWholeDrawing = UINT32_MAX;

struct CheckFinding {
  FindingPlace at;       // where (a double cut: where it starts)
  FindingPlace to;       // the other end of an open profile, a double cut or a piece
  FindingPlace near[2];  // an open profile: the nearest other ends; a crossing: the profiles' starts
  double figure = 0.0;   // the distance, length or Tollerance found
  int64_t count = 0;     // a crossing: how many; advice: the profiles it closes
  uint32_t total = 0;    // advice: the layer's open profiles
  uint32_t layer = kWholeDrawing;
  uint32_t otherLayer = kWholeDrawing;  // a double cut across layers: the other one
  uint32_t note = 0;                    // texts and units: their words among the result's notes
  FindingKind kind = FindingKind::kOpenProfile;
  bool arc = false;        // a tiny piece that is an arc; a double cut along an arc (about near[0])
  bool itself = false;     // a crossing of a profile with itself
  bool nearFound[2] = {};  // an open profile: another piece's end within reach of at, of to
};

// What a check found, with the names its findings refer to.
struct CheckResult {
  // The findings in order, in the parts the checks made them in (kept
  // apart: a check's millions are not copied to join them).
  std::vector<std::vector<CheckFinding>> parts;
  std::vector<std::string> layers;
  std::vector<std::string> notes;

  std::size_t Count() const;
  const CheckFinding& At(std::size_t index) const;  // index below Count()
  const std::string& LayerName(const CheckFinding& finding) const;
  // The finding in words, with its figures and places.
  std::string Describe(const CheckFinding& finding) const;
};

}  // namespace dxfelem
