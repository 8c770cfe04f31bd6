// Pieces cut twice. Segments on one line fall into one bucket of direction
// and offset (or a neighbouring one) and are swept along the line; arcs of
// one circle fall into one bucket of centre and radius (or a neighbouring
// one). Buckets are found in sorted arrays: no map per piece.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "check/cell_index.h"
#include "check/checked_pieces.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

// A piece is told with at most this many of those lying on it after it: a
// stack of copies is told copy by copy, not pair by pair.
constexpr int kMostMatchesPerPiece = 8;

FindingKind DoubleCutKind(uint32_t layer, uint32_t other) {
  return layer == other ? FindingKind::kDoubleCut : FindingKind::kDoubleCutAcrossLayers;
}

// The angle two stretches of one circle share, and where it starts.
double SharedAngle(const ArcOnCircle& p, const ArcOnCircle& q, double& from) {
  const double turn = 2.0 * std::numbers::pi;
  double best = 0.0;
  for (const double shift : {-turn, 0.0, turn}) {
    const double lo = std::max(p.start, q.start + shift);
    const double hi = std::min(p.start + p.sweep, q.start + q.sweep + shift);
    if (hi - lo > best) {
      best = hi - lo;
      from = lo;
    }
  }
  return best;
}

}  // namespace

void FindDoubleCuts(const CheckedPieces& drawing, std::vector<CheckFinding>& findings) {
  const std::vector<CheckedPiece>& pieces = drawing.pieces;
  const double tolerance = drawing.tolerance;
  constexpr double kAngleStep = 1e-3;
  const double offsetStep = std::max(2.0 * tolerance, 1e-9);
  struct Line {
    uint32_t piece;
    double t0, t1;  // along the bucket's direction
    bool own;       // in the bucket itself, not a neighbour
  };
  // Every segment with its bucket, sorted by bucket: the neighbours after
  // a bucket are the next bucket of its row and three of the next row,
  // found by two cursors that only move forward.
  struct Entry {
    int64_t angle, offset;
    uint32_t piece;
    bool operator<(const Entry& other) const {
      return std::tie(angle, offset, piece) < std::tie(other.angle, other.offset, other.piece);
    }
  };
  std::vector<Entry> entries;
  for (uint32_t i = 0; i < pieces.size(); ++i) {
    const CheckedPiece& piece = pieces[i];
    if (piece.arc) continue;
    Point3 d = piece.b - piece.a;
    if (Length(d) <= tolerance) continue;
    d = Unit(d);
    if (d.x < 0.0 || (d.x == 0.0 && d.y < 0.0)) d = -1.0 * d;
    const double angle = std::atan2(d.y, d.x);
    const double offset = d.x * piece.a.y - d.y * piece.a.x;
    entries.push_back({CellIndex(angle, kAngleStep), CellIndex(offset, offsetStep), i});
  }
  std::sort(entries.begin(), entries.end());
  const auto before = [](const Entry& e, int64_t angle, int64_t offset) {
    return e.angle < angle || (e.angle == angle && e.offset < offset);
  };
  std::size_t nextRow = 0;
  std::vector<uint32_t> candidates;
  std::vector<Line> lines;
  for (std::size_t first = 0; first < entries.size();) {
    const int64_t a = entries[first].angle;
    const int64_t o = entries[first].offset;
    std::size_t last = first;
    while (last < entries.size() && entries[last].angle == a && entries[last].offset == o) ++last;
    // This bucket's segments, then those of (a, o + 1) and (a + 1, o - 1 .. o + 1).
    candidates.clear();
    for (std::size_t k = first; k < last; ++k) candidates.push_back(entries[k].piece);
    const std::size_t members = candidates.size();
    for (std::size_t k = last; k < entries.size() && entries[k].angle == a && entries[k].offset == o + 1; ++k) {
      candidates.push_back(entries[k].piece);
    }
    nextRow = std::max(nextRow, last);
    while (nextRow < entries.size() && before(entries[nextRow], a + 1, o - 1)) ++nextRow;
    for (std::size_t k = nextRow; k < entries.size() && entries[k].angle == a + 1 && entries[k].offset <= o + 1; ++k) {
      candidates.push_back(entries[k].piece);
    }
    first = last;
    if (candidates.size() < 2) continue;
    const double angle = (static_cast<double>(a) + 0.5) * kAngleStep;
    const Point3 along{std::cos(angle), std::sin(angle), 0.0};
    lines.clear();
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      const uint32_t i = candidates[k];
      const double s = Dot(pieces[i].a, along);
      const double e = Dot(pieces[i].b, along);
      lines.push_back({i, std::min(s, e), std::max(s, e), k < members});
    }
    std::sort(lines.begin(), lines.end(), [](const Line& x, const Line& y) { return x.t0 < y.t0; });
    for (std::size_t i = 0; i < lines.size(); ++i) {
      int matches = 0;
      for (std::size_t j = i + 1;
           j < lines.size() && lines[j].t0 < lines[i].t1 - tolerance && matches < kMostMatchesPerPiece; ++j) {
        if (!lines[i].own && !lines[j].own) continue;
        const CheckedPiece& p = pieces[lines[i].piece];
        const CheckedPiece& q = pieces[lines[j].piece];
        // q's stretch over p, within the tolerance of p's line.
        const Point3 d = Unit(p.b - p.a);
        const double length = Length(p.b - p.a);
        double u0 = Dot(q.a - p.a, d);
        double u1 = Dot(q.b - p.a, d);
        if (u0 > u1) std::swap(u0, u1);
        const double from = std::max(0.0, u0);
        const double to = std::min(length, u1);
        if (to - from <= tolerance) continue;
        const auto offLine = [&](const Point3& x) { return Length(Cross(x - p.a, d)); };
        const Point3 qd = Unit(q.b - q.a);
        const double qs = Dot(p.a + from * d - q.a, qd);
        const double qe = Dot(p.a + to * d - q.a, qd);
        if (offLine(q.a + qs * qd) > tolerance || offLine(q.a + qe * qd) > tolerance) continue;
        CheckFinding found;
        found.layer = drawing.LayerOf(p);
        found.otherLayer = drawing.LayerOf(q);
        found.kind = DoubleCutKind(found.layer, found.otherLayer);
        found.at = p.a + from * d;
        found.to = p.a + to * d;
        found.figure = to - from;
        findings.push_back(found);
        ++matches;
      }
    }
  }
}

void FindDoubleArcs(const CheckedPieces& drawing, std::vector<CheckFinding>& findings) {
  const std::vector<CheckedPiece>& pieces = drawing.pieces;
  const double tolerance = drawing.tolerance;
  const double step = std::max(2.0 * tolerance, 1e-9);
  struct Entry {
    int64_t x, y, r;
    uint32_t piece;
    Point3 centre;
    double radius;
  };
  const auto cellOf = [step](double v) { return CellIndex(v, step); };
  std::vector<Entry> entries;
  for (uint32_t i = 0; i < pieces.size(); ++i) {
    Entry entry{0, 0, 0, i, {}, 0.0};
    if (!pieces[i].arc || !CentreOf(pieces[i], entry.centre, entry.radius)) continue;
    entry.x = cellOf(entry.centre.x);
    entry.y = cellOf(entry.centre.y);
    entry.r = cellOf(entry.radius);
    entries.push_back(entry);
  }
  const auto keyOf = [](const Entry& e) { return std::make_tuple(e.x, e.y, e.r); };
  std::sort(entries.begin(), entries.end(), [&](const Entry& p, const Entry& q) {
    return std::tie(p.x, p.y, p.r, p.piece) < std::tie(q.x, q.y, q.r, q.piece);
  });
  const auto meet = [&](const Entry& pe, const Entry& qe) {
    if (Length(pe.centre - qe.centre) > tolerance || std::fabs(pe.radius - qe.radius) > tolerance) return false;
    ArcOnCircle p;
    ArcOnCircle q;
    if (!CircleOf(pieces[pe.piece], p) || !CircleOf(pieces[qe.piece], q)) return false;
    double from = 0.0;
    const double shared = SharedAngle(p, q, from) * p.radius;
    if (shared <= tolerance) return false;
    CheckFinding found;
    found.layer = drawing.LayerOf(pieces[pe.piece]);
    found.otherLayer = drawing.LayerOf(pieces[qe.piece]);
    found.kind = DoubleCutKind(found.layer, found.otherLayer);
    found.arc = true;
    const double to = from + shared / p.radius;
    found.at = p.centre + p.radius * Point3{std::cos(from), std::sin(from), 0.0};
    found.to = p.centre + p.radius * Point3{std::cos(to), std::sin(to), 0.0};
    found.near[0] = p.centre;
    found.figure = shared;
    findings.push_back(found);
    return true;
  };
  // Each arc meets those after it in its own bucket and in the neighbouring
  // buckets after its own: (x, y, r + 1), (x, y + 1, r - 1 .. r + 1) and
  // (x + 1, y - 1 .. y + 1, r - 1 .. r + 1), each a stretch of the array
  // whose start only moves forward from one bucket to the next.
  struct Stretch {
    int64_t dx, dy, r0, r1;
    std::size_t cursor;
  };
  Stretch stretches[] = {{0, 0, 1, 1, 0}, {0, 1, -1, 1, 0}, {1, -1, -1, 1, 0}, {1, 0, -1, 1, 0}, {1, 1, -1, 1, 0}};
  for (std::size_t i = 0; i < entries.size();) {
    const Entry& head = entries[i];
    std::size_t last = i;
    while (last < entries.size() && keyOf(entries[last]) == keyOf(head)) ++last;
    std::pair<std::size_t, std::size_t> neighbours[5];
    for (int n = 0; n < 5; ++n) {
      Stretch& s = stretches[n];
      const auto from = std::make_tuple(head.x + s.dx, head.y + s.dy, head.r + s.r0);
      const auto to = std::make_tuple(head.x + s.dx, head.y + s.dy, head.r + s.r1);
      while (s.cursor < entries.size() && keyOf(entries[s.cursor]) < from) ++s.cursor;
      std::size_t end = s.cursor;
      while (end < entries.size() && keyOf(entries[end]) <= to) ++end;
      neighbours[n] = {s.cursor, end};
    }
    for (std::size_t k = i; k < last; ++k) {
      int matches = 0;
      for (std::size_t j = k + 1; j < last && matches < kMostMatchesPerPiece; ++j) {
        matches += meet(entries[k], entries[j]);
      }
      for (const auto& [lo, hi] : neighbours) {
        for (std::size_t at = lo; at < hi && matches < kMostMatchesPerPiece; ++at) {
          matches += meet(entries[k], entries[at]);
        }
      }
    }
    i = last;
  }
}

}  // namespace dxfelem
