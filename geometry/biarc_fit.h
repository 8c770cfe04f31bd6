// A curve as arcs and segments a machine can follow: pairs of tangent
// arcs (biarcs) over pieces of the curve, split until every piece lies
// within the tolerance of the curve.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/nurbs_curve.h"

namespace dxfelem {

// At most this many arcs and segments per curve. A curve of up to 10000
// control points needs far fewer: the error of a biarc falls with the third
// power of its length, so each halving of a piece cuts it eightfold, and a
// knot span of any size within a drawing comes within 1e-6 in a few dozen
// pieces. The cap bounds the work of a hostile curve (a span of 1e300, a
// cusp), which is then skipped with its reason.
inline constexpr std::size_t kMostFittedPieces = 200000;

// At most this many arcs and segments from all the curves of one drawing:
// one per byte of the drawing, and never fewer than one curve may make.
// A sane drawing stays far below (a spline of a few hundred bytes makes a
// few dozen arcs); five hostile splines of 1000 points at a tolerance of
// 0.000002 in 242 KB would make a million, a 230 MB element file.
inline std::size_t FittedPieceBudget(unsigned long long drawingBytes) {
  return drawingBytes > kMostFittedPieces ? static_cast<std::size_t>(drawingBytes) : kMostFittedPieces;
}
inline constexpr const char* kFittedPieceBudgetSpent =
    "more arcs than the drawing's curves may still make (one per byte of the drawing in all, at least 200000)";

struct FittedPiece {
  Point3 start;
  Point3 middle;  // on the arc, half-way along it; unused for a segment
  Point3 end;
  bool straight = false;
};

struct CurveFit {
  std::vector<FittedPiece> pieces;  // in the curve's order, each starting where the one before ends
  std::string problem;              // why the curve could not be fitted; empty when it was
  double worstDeviation = 0.0;      // the largest distance measured from the curve to the pieces
};

// The pieces that follow `curve` (which has no problem) within `tolerance`:
// the curve is split at its knots and, when it is flat, where its bend
// changes sides; a piece within the tolerance of its
// chord becomes a segment, any other a biarc through the curve's end
// points with the curve's end tangents, split in halves until it lies
// within the tolerance at every point checked (16 along each piece).
// A curve within the tolerance of the line from its start to its end is
// one segment. More than `mostPieces` pieces make none, with the problem
// told.
CurveFit FitArcs(const NurbsCurve& curve, double tolerance, std::size_t mostPieces = kMostFittedPieces);

}  // namespace dxfelem
