// What a SPLINE entity gives, and the arcs a machine can follow in its
// place. The library's reader and the tool's survey both fill the groups
// and ask for the arcs, so that both tell the same of every spline.
#pragma once

#include <optional>
#include <vector>

#include "geometry/biarc_fit.h"
#include "geometry/curve_budget.h"
#include "geometry/nurbs_curve.h"

namespace dxfelem {

struct SplineGroups {
  int flags = 0;  // 70: 1 closed, 2 periodic, 4 rational, 8 planar
  int degree = 3;
  std::vector<double> knots;
  std::vector<double> weights;
  std::vector<Point3> controls;
  std::vector<Point3> fitPoints;
  std::optional<Point3> startTangent;
  std::optional<Point3> endTangent;
  bool tooMany = false;  // more values than any curve that is fitted can have

  // Takes the value of group `code` when it is one of the spline's own
  // (70, 71, 40, 41, 10/20/30, 11/21/31, 12/22/32, 13/23/33); false for any
  // other group. Values past the largest curve that is fitted are dropped.
  bool Take(int code, double value);
};

// The arcs and segments within `tolerance` of the spline (a closed spline
// ends exactly where it starts), or in `problem` why it cannot be followed.
// A spline given by fit points alone is interpolated by a cubic first.
// At most `mostPieces` pieces (what is left of the drawing's budget, at
// least 1): a spline that needs more makes none.
CurveFit SplineArcs(const SplineGroups& spline, double tolerance, std::size_t mostPieces = kMostFittedPieces);
// The same within what the drawing's curves may still cost, which it spends.
CurveFit SplineArcs(const SplineGroups& spline, double tolerance, CurveBudget& budget);

}  // namespace dxfelem
