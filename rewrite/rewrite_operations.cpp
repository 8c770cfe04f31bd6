#include "rewrite/rewrite_operations.h"

#include <cmath>

#include "geometry/arc_record.h"
#include "geometry/vector3.h"
#include "rewrite/profile_ends.h"

namespace dxfelem {
namespace {

// The widened single-precision 1e-5: shorter extensions and lead offsets
// change nothing.
constexpr double kSmallest = 9.999999747378752e-06;

// Puts `node` before the first node or after the last, the old end becoming
// a vertex; the new node takes the old end's entity number.
void AddAtEnd(Element& element, ProfileEnd which, int32_t code, const Point3& p) {
  NodeList& nodes = element.nodes();
  ElementNode& end = which == ProfileEnd::kStart ? nodes.front() : nodes.back();
  end.code = kNodeVer;
  const ElementNode node = MakeNode(code, end.entity, p);
  if (which == ProfileEnd::kStart) nodes.push_front(node);
  else nodes.push_back(node);
}

bool Extend(Element& element, ProfileEnd which, double length) {
  if (!(length > kSmallest)) return true;
  EndPiece piece;
  if (!PieceAtEnd(element, which, piece)) return true;
  Point3 p;
  if (!piece.isArc) {
    // On the line through the piece, beyond the element's end (3D).
    const double dx = piece.end.x - piece.inner.x;
    const double dy = piece.end.y - piece.inner.y;
    const double dz = piece.end.z - piece.inner.z;
    const double span = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (!(span > 0.0)) return false;
    p = {piece.end.x + dx * length / span, piece.end.y + dy * length / span, piece.end.z + dz * length / span};
  } else {
    // On the arc's tangent at the end, away from the arc.
    double tx = 0.0;
    double ty = 0.0;
    if (!TravelDirection(piece, which, tx, ty)) return false;
    const double sign = which == ProfileEnd::kStart ? -1.0 : 1.0;
    p = {piece.end.x + sign * tx * length, piece.end.y + sign * ty * length, piece.end.z};
  }
  if (!IsFinite(p)) return false;
  AddAtEnd(element, which, which == ProfileEnd::kStart ? kNodeIni : kNodeFin, p);
  return true;
}

bool ReportDirections(const Element& element, double& a, double& b) {
  a = 0.0;
  b = 0.0;
  if (element.empty() || element.nodes().front().code == kNodeIso) return false;
  EndPiece piece;
  if (PieceAtEnd(element, ProfileEnd::kStart, piece)) TravelAngle(piece, ProfileEnd::kStart, a);
  if (PieceAtEnd(element, ProfileEnd::kEnd, piece)) TravelAngle(piece, ProfileEnd::kEnd, b);
  return true;
}

// A tangent arc joining the profile's end point and the point moved by
// (dx, dy): before the start (lead-in) or after the end (lead-out).
bool LeadArc(Element& element, ProfileEnd which, double dx, double dy) {
  if (!(std::fabs(dx) > kSmallest || std::fabs(dy) > kSmallest)) return true;
  EndPiece piece;
  // A profile without a piece at that end has no direction to lead along.
  if (!PieceAtEnd(element, which, piece)) return true;
  double tx = 0.0;
  double ty = 0.0;
  if (!TravelDirection(piece, which, tx, ty)) return false;
  const Point3 s = piece.end;
  const Point3 p{s.x + dx, s.y + dy, s.z};
  if (std::fabs(p.x - s.x) <= kSmallest && std::fabs(p.y - s.y) <= kSmallest) return false;
  // The centre lies on the normal to the travel direction at the profile's
  // end, as far from it as from p.
  const double nx = -ty;
  const double ny = tx;
  const double along = nx * (s.x - p.x) + ny * (s.y - p.y);
  if (along == 0.0) return false;  // p on the tangent: no circle
  const double distance2 = (s.x - p.x) * (s.x - p.x) + (s.y - p.y) * (s.y - p.y);
  const double offset = -distance2 / (2.0 * along);
  const double cx = s.x + offset * nx;
  const double cy = s.y + offset * ny;
  if (!std::isfinite(cx) || !std::isfinite(cy)) return false;  // beyond any number: no circle
  // Travelled towards the profile's end (lead-in) or away from it (lead-out)
  // along the travel direction: counter-clockwise when the centre lies left.
  const int32_t direction = offset > 0.0 ? 1 : 0;
  Point3 middle;
  const ArcRecord arc =
      which == ProfileEnd::kStart ? MakeArcRecord(p, s, cx, cy, direction) : MakeArcRecord(s, p, cx, cy, direction);
  ArcMiddlePoint(arc, middle);
  if (!IsFinite(p) || !IsFinite(middle)) return false;
  NodeList& nodes = element.nodes();
  ElementNode& end = which == ProfileEnd::kStart ? nodes.front() : nodes.back();
  end.code = kNodeVer;
  const int32_t entity = end.entity;
  if (which == ProfileEnd::kStart) {
    nodes.push_front(MakeNode(kNodeMed, entity, middle));
    nodes.push_front(MakeNode(kNodeIni, entity, p));
  } else {
    nodes.push_back(MakeNode(kNodeMed, entity, middle));
    nodes.push_back(MakeNode(kNodeFin, entity, p));
  }
  return true;
}

bool StartsWithPoint(const Element& element) { return !element.empty() && element.nodes().front().code == kNodeIso; }

}  // namespace

bool ApplyRewriteOperation(Element& element, int32_t operation, double& a, double& b) {
  if (operation == kReportDirections) return ReportDirections(element, a, b);
  if (StartsWithPoint(element)) return true;  // points are left as they are
  switch (operation) {
    case kExtendStart: return Extend(element, ProfileEnd::kStart, a);
    case kExtendEnd: return Extend(element, ProfileEnd::kEnd, b);
    case kExtendBoth: return Extend(element, ProfileEnd::kStart, a) && Extend(element, ProfileEnd::kEnd, b);
    case kLeadIn: return LeadArc(element, ProfileEnd::kStart, a, b);
    case kLeadOut: return LeadArc(element, ProfileEnd::kEnd, a, b);
    default: return true;
  }
}

}  // namespace dxfelem
