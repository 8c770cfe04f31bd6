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
#ifdef DXFELEM_FUZZING
// Within the fuzzer's time for one input under the sanitizers.
inline constexpr std::size_t kMostFittedPieces = 20000;
#else
inline constexpr std::size_t kMostFittedPieces = 200000;
#endif

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
  // Every piece made on the way, those of a fit that failed too: its cost.
  std::size_t piecesMade = 0;
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
