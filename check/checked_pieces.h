// The converted drawing as the checks see it: every profile's ends and
// layer, and its pieces (segments, and arcs by their start, a point
// between and their end), in the drawing's order.
#pragma once

#include <cstdint>
#include <vector>

#include "check/check_finding.h"
#include "geometry/point3.h"

namespace dxfelem {

struct CheckedProfile {
  uint32_t layer;
  Point3 start, end;
  bool open;
};

struct CheckedPiece {
  uint32_t profile;
  bool arc;
  Point3 a, m, b;
};

struct CheckedPieces {
  std::vector<CheckedProfile> profiles;
  std::vector<CheckedPiece> pieces;
  double tolerance = 0.0;

  uint32_t LayerOf(const CheckedPiece& piece) const { return profiles[piece.profile].layer; }
};

// An arc piece as its circle and the counter-clockwise stretch of angles
// it covers.
struct ArcOnCircle {
  Point3 centre;
  double radius = 0.0;
  double start = 0.0;  // radians, in [0, 2 pi)
  double sweep = 0.0;  // (0, 2 pi]
};

// False when the three points lie on a line (an arc too flat to tell from
// its chord). A start that is its end is a full circle through m.
bool CircleOf(const CheckedPiece& piece, ArcOnCircle& arc);
// The same without the stretch of angles (which needs arc tangents).
bool CentreOf(const CheckedPiece& piece, Point3& centre, double& radius);

// Pieces on each other within the tolerance, segments and arcs.
void FindDoubleCuts(const CheckedPieces& drawing, std::vector<CheckFinding>& findings);
void FindDoubleArcs(const CheckedPieces& drawing, std::vector<CheckFinding>& findings);
// Closed profiles of one layer that cross themselves or each other; false
// when the search was cut short (pieces piled onto one place in their
// millions of pairs), the crossings found till then found.
bool FindCrossings(const CheckedPieces& drawing, std::vector<CheckFinding>& findings);

}  // namespace dxfelem
