// SPLINE, when SplineArchi is 1: one path of arcs and segments within
// SplineToll of the curve. Its points are drawing coordinates, as a LINE's
// are: the extrusion only chooses the face.
#include "dxf/entity_context.h"
#include "dxf/entity_groups.h"
#include "dxf/entity_readers.h"
#include "dxf/placement.h"
#include "geometry/element_builders.h"
#include "geometry/spline_arcs.h"

namespace dxfelem {
namespace {

// The group code of a token the spline reads; 0 for any other.
int SplineGroupCode(Token token) {
  constexpr std::pair<Token, int> kCodes[] = {{kGroup70, 70}, {kGroup71, 71}, {kGroup40, 40}, {kGroup41, 41},
                                              {kGroup10, 10}, {kGroup20, 20}, {kGroup30, 30}, {kGroup11, 11},
                                              {kGroup21, 21}, {kGroup31, 31}, {kGroup12, 12}, {kGroup22, 22},
                                              {kGroup32, 32}, {kGroup13, 13}, {kGroup23, 23}, {kGroup33, 33}};
  for (const auto& [group, code] : kCodes) {
    if (group == token) return code;
  }
  return 0;
}

}  // namespace

bool ReadSplineEntity(EntityContext& context, DxfLineReader& reader, Token firstCode) {
  CommonGroups common;
  SplineGroups spline;
  ForEachGroup(reader, firstCode, [&](Token code) {
    if (common.Take(code, reader)) return true;
    const int group = SplineGroupCode(code);
    return group != 0 && spline.Take(group, ReadDouble(reader));
  });
  const ParameterRecord& p = context.parameters;
  if (!PlaceEntity(p, common.layer, common.extrusion, context.reading.tally, context.reading.entityKind).kept)
    return true;
  // A curve that cannot be followed makes nothing, like any entity the
  // hosts cannot use; the tool's skip summary says why.
  // The drawing's splines share one budget of arcs, so that a few hostile
  // curves can make neither an element file a thousand times the drawing
  // nor a conversion of minutes.
  const CurveFit fit = SplineArcs(spline, p.SplineToll, context.reading.splineBudget);
  if (fit.pieces.empty()) {
    context.reading.tally.LeaveOut(LeftOut::kSplineNotFollowed, "SPLINE", fit.problem);
    return true;
  }
  const int32_t entity = context.NextElementNumber();
  for (std::size_t i = 0; i < fit.pieces.size(); ++i) {
    const FittedPiece& piece = fit.pieces[i];
    const SegmentTarget target = i == 0 ? SegmentTarget::kNewElement : SegmentTarget::kCurrentElement;
    if (piece.straight) AddLine(context.sink, target, entity, piece.start, piece.end, common.layer);
    else AddArc3(context.sink, target, entity, piece.start, piece.middle, piece.end, common.layer);
  }
  return true;
}

}  // namespace dxfelem
