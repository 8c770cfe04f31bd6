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
};

// The kind as the report names it: "open profile", "double cut", ...
const char* FindingKindName(FindingKind kind);

// A figure as the findings tell it: four significant digits.
std::string FindingFigure(double value);

// The layer of a finding about the drawing as a whole.
inline constexpr uint32_t kWholeDrawing = UINT32_MAX;

struct CheckFinding {
  FindingKind kind = FindingKind::kOpenProfile;
  bool arc = false;        // a tiny piece that is an arc; a double cut along an arc (about near[0])
  bool itself = false;     // a crossing of a profile with itself
  bool nearFound[2] = {};  // an open profile: another piece's end within reach of at, of to
  uint32_t layer = kWholeDrawing;
  uint32_t otherLayer = kWholeDrawing;  // a double cut across layers: the other one
  uint32_t note = 0;                    // texts and units: their words among the result's notes
  Point3 at;                            // where (a double cut: where it starts)
  Point3 to;                            // the other end of an open profile, a double cut or a piece
  Point3 near[2];                       // an open profile: the nearest other ends; a crossing: the profiles' starts
  double figure = 0.0;                  // the distance, length or Tollerance found
  int64_t count = 0;                    // a crossing: how many; advice: the profiles it closes
  int64_t total = 0;                    // advice: the layer's open profiles
};

// What a check found, with the names its findings refer to.
struct CheckResult {
  std::vector<CheckFinding> findings;
  std::vector<std::string> layers;
  std::vector<std::string> notes;

  const std::string& LayerName(const CheckFinding& finding) const;
  // The finding in words, with its figures and places.
  std::string Describe(const CheckFinding& finding) const;
};

}  // namespace dxfelem
