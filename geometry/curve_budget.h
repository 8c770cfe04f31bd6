// What the curves of one drawing may still cost when they are followed by
// arcs. Two counts: the pieces they keep (the element file's size) and the
// pieces made on the way, kept or not (the time). A curve that cannot be
// followed may make up to the most one curve may before it fails, and keeps
// none: without the second count, a small drawing of many such curves
// would take minutes.
#pragma once

#include <algorithm>
#include <cstddef>

#include "geometry/biarc_fit.h"

namespace dxfelem {

class CurveBudget {
 public:
  CurveBudget(std::size_t kept, std::size_t made) : kept_(kept), made_(made) {}
  // One piece kept per byte of the drawing in all, and never fewer than
  // one curve may make; four times as many made.
  static CurveBudget ForDrawing(unsigned long long drawingBytes) {
    const std::size_t kept =
        drawingBytes > kMostFittedPieces ? static_cast<std::size_t>(drawingBytes) : kMostFittedPieces;
    return CurveBudget(kept, 4 * kept);
  }

  // The most pieces the next curve may make.
  std::size_t ForNextCurve() const { return std::min(kept_, made_); }
  // True when the pieces made, not those kept, are what limits the next curve.
  bool MadeLimits() const { return made_ < kept_; }
  void Spend(const CurveFit& fit) {
    kept_ -= std::min(kept_, fit.pieces.size());
    made_ -= std::min(made_, fit.piecesMade);
  }

 private:
  std::size_t kept_;
  std::size_t made_;
};

inline constexpr const char* kCurveBudgetKeptSpent =
    "more arcs than the drawing's curves may still make (one per byte of the drawing in all, at least 200000)";
inline constexpr const char* kCurveBudgetMadeSpent =
    "more arcs than the drawing's curves may still try (four per byte of the drawing in all, at least 800000, "
    "most of them spent on curves that could not be followed)";

}  // namespace dxfelem
