// Closed profiles that cross themselves or each other. Their pieces go into
// a grid of cells twice the median piece's size; two pieces of one layer
// that share a cell are met exactly (segment with segment, segment with
// circle, circle with circle), and a crossing is told by the cell it lies
// in, once.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "check/cell_index.h"
#include "check/checked_pieces.h"
#include "check/run_beside.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

constexpr uint32_t kStraight = UINT32_MAX;

// A piece of a closed profile with all that meeting another one needs, so
// that the pieces sharing a cell can be copied together and met in order.
struct Run {
  uint32_t profile;
  uint32_t layer;
  uint32_t order;   // along its profile, to pass over neighbours
  uint32_t circle;  // an arc: its circle among the arcs' circles; kStraight: a straight run
  Point3 a, b;
  double x0, y0, x1, y1;  // the box
};

double AngleOn(const ArcOnCircle& circle, const Point3& p) {
  const double value = std::atan2(p.y - circle.centre.y, p.x - circle.centre.x);
  return value < 0.0 ? value + 2.0 * std::numbers::pi : value;
}

// How far along the arc the point on its circle lies from the nearer end,
// negative when it lies off the arc.
double InsideArc(const ArcOnCircle& circle, const Point3& p) {
  double angle = AngleOn(circle, p) - circle.start;
  if (angle < 0.0) angle += 2.0 * std::numbers::pi;
  if (angle > circle.sweep) return -1.0;
  return circle.radius * std::min(angle, circle.sweep - angle);
}

// A full circle has no ends to keep away from.
double AwayFromEnds(const ArcOnCircle& circle, const Point3& p) {
  return circle.sweep >= 2.0 * std::numbers::pi ? INFINITY : InsideArc(circle, p);
}

void Box(Run& run, const std::vector<ArcOnCircle>& circles) {
  run.x0 = std::min(run.a.x, run.b.x);
  run.x1 = std::max(run.a.x, run.b.x);
  run.y0 = std::min(run.a.y, run.b.y);
  run.y1 = std::max(run.a.y, run.b.y);
  if (run.circle == kStraight) return;
  // The circle's extreme points that the arc passes.
  const ArcOnCircle& c = circles[run.circle];
  for (int quarter = 0; quarter < 4; ++quarter) {
    const double angle = quarter * std::numbers::pi / 2.0;
    double offset = angle - c.start;
    if (offset < 0.0) offset += 2.0 * std::numbers::pi;
    if (offset > c.sweep) continue;
    const Point3 p{c.centre.x + c.radius * std::cos(angle), c.centre.y + c.radius * std::sin(angle), 0.0};
    run.x0 = std::min(run.x0, p.x);
    run.x1 = std::max(run.x1, p.x);
    run.y0 = std::min(run.y0, p.y);
    run.y1 = std::max(run.y1, p.y);
  }
}

// The points where the two runs cross, away from their ends by more than
// the tolerance; at most two.
int Meet(const Run& p, const Run& q, const std::vector<ArcOnCircle>& circles, double tolerance, Point3 at[2]) {
  const bool pCurved = p.circle != kStraight;
  const bool qCurved = q.circle != kStraight;
  if (!pCurved && !qCurved) {
    const Point3 r = p.b - p.a;
    const Point3 s = q.b - q.a;
    const double denominator = r.x * s.y - r.y * s.x;
    if (std::fabs(denominator) <= 1e-12 * Length(r) * Length(s)) return 0;  // parallel: double cuts, if any
    const Point3 w = q.a - p.a;
    const double t = (w.x * s.y - w.y * s.x) / denominator;
    const double u = (w.x * r.y - w.y * r.x) / denominator;
    const double lr = Length(r);
    const double ls = Length(s);
    if (t * lr <= tolerance || (1.0 - t) * lr <= tolerance || u * ls <= tolerance || (1.0 - u) * ls <= tolerance) {
      return 0;
    }
    at[0] = p.a + t * r;
    return 1;
  }
  if (pCurved && !qCurved) return Meet(q, p, circles, tolerance, at);
  int count = 0;
  if (!pCurved) {
    // The segment's line meets the circle where |a + t r - c| = radius.
    const ArcOnCircle& c = circles[q.circle];
    const Point3 r = p.b - p.a;
    const Point3 w = p.a - c.centre;
    const double a = Dot(r, r);
    const double b = Dot(w, r);
    const double discriminant = b * b - a * (Dot(w, w) - c.radius * c.radius);
    if (a <= 0.0 || discriminant <= 0.0) return 0;
    const double root = std::sqrt(discriminant);
    const double lr = std::sqrt(a);
    if (2.0 * root / lr <= tolerance) return 0;  // touching, not crossing
    for (const double t : {(-b - root) / a, (-b + root) / a}) {
      if (t * lr <= tolerance || (1.0 - t) * lr <= tolerance) continue;
      const Point3 x = p.a + t * r;
      if (AwayFromEnds(c, x) > tolerance) at[count++] = x;
    }
    return count;
  }
  // Two circles meet on the line across their centres' axis.
  const ArcOnCircle& c1 = circles[p.circle];
  const ArcOnCircle& c2 = circles[q.circle];
  const Point3 axis = c2.centre - c1.centre;
  const double d = Length(axis);
  if (d <= 1e-12 || d >= c1.radius + c2.radius || d <= std::fabs(c1.radius - c2.radius)) return 0;
  const double along = (d * d + c1.radius * c1.radius - c2.radius * c2.radius) / (2.0 * d);
  const double across2 = c1.radius * c1.radius - along * along;
  if (across2 <= 0.0) return 0;
  const double across = std::sqrt(across2);
  if (2.0 * across <= tolerance) return 0;  // touching, not crossing
  const Point3 u = (1.0 / d) * axis;
  const Point3 base = c1.centre + along * u;
  for (const double side : {-1.0, 1.0}) {
    const Point3 x = base + side * across * Point3{-u.y, u.x, 0.0};
    if (AwayFromEnds(c1, x) > tolerance && AwayFromEnds(c2, x) > tolerance) at[count++] = x;
  }
  return count;
}

// A crossing found, with its pair of profiles (a profile with itself: it
// crosses itself).
struct Hit {
  uint32_t first, second;
  FindingPlace at;
};

// A run in a cell: its box and layer, enough to pass over most pairs
// without looking at the run itself.
struct InCell {
  double x0, x1, y0, y1;
  uint32_t layer;
  uint32_t run;
};

struct CellMeeting {
  const std::vector<Run>& runs;
  const std::vector<ArcOnCircle>& circles;
  const std::vector<uint32_t>& runsOfProfile;
  double tolerance;
  std::vector<Hit>& hits;
  int64_t& pairsLeft;  // pairs of boxes still to look at: a drawing that piles
                       // its pieces onto one place is not looked at for ever
};

// A cell of the grid, or a sixteenth of one: its corner, its side and
// which of the sixteen it is. A point belongs to the cell its coordinates
// fall in at every step from the grid down (the same sums for a piece's
// box and for a crossing, so a crossing is told by one cell only).
struct CellSplit {
  double x0, y0, side;
  int64_t ix, iy;  // the grid's cell, or which sixteenth
};

int SubCell(double v, double origin, double side) {
  return static_cast<int>(std::clamp<int64_t>(CellIndex(v - origin, side), 0, 3));
}

bool Owns(const std::vector<CellSplit>& path, const Point3& p) {
  // The top cell holds the point by the grid's own sums; each split after
  // it by its sixteenths.
  if (CellIndex(p.x, path[0].side) != path[0].ix || CellIndex(p.y, path[0].side) != path[0].iy) {
    return false;
  }
  for (std::size_t level = 1; level < path.size(); ++level) {
    const CellSplit& parent = path[level - 1];
    const double side = parent.side / 4.0;
    if (SubCell(p.x, parent.x0, side) != path[level].ix || SubCell(p.y, parent.y0, side) != path[level].iy) {
      return false;
    }
  }
  return true;
}

// Pieces crowded into one cell (many small ones among large ones) are
// split among its sixteenths, again and again while that spreads them, so
// that no cell meets more than a few hundred pieces pair by pair.
constexpr std::size_t kMostInCell = 256;
constexpr std::size_t kDeepestSplit = 8;

void MeetInCell(std::vector<InCell>& here, std::vector<CellSplit>& path, const CellMeeting& m) {
  if (here.size() > kMostInCell && path.size() < kDeepestSplit) {
    const CellSplit cell = path.back();  // a copy: the path grows below
    const double side = cell.side / 4.0;
    std::vector<InCell> parts[16];
    std::size_t placed = 0;
    for (const InCell& run : here) {
      for (int ix = SubCell(run.x0, cell.x0, side); ix <= SubCell(run.x1, cell.x0, side); ++ix) {
        for (int iy = SubCell(run.y0, cell.y0, side); iy <= SubCell(run.y1, cell.y0, side); ++iy) {
          parts[4 * ix + iy].push_back(run);
          ++placed;
        }
      }
    }
    // Only when that spreads them: all in one sixteenth (a crowd seen from
    // afar), or most in few sixteenths and no sixteenth holding most of
    // them. Pieces that all cross the whole cell, or lie on each other,
    // are met here.
    std::size_t largest = 0;
    for (const std::vector<InCell>& part : parts) largest = std::max(largest, part.size());
    if (placed == here.size() || (placed <= 4 * here.size() && 4 * largest <= 3 * here.size())) {
      for (int k = 0; k < 16; ++k) {
        if (parts[k].size() < 2) continue;
        path.push_back({cell.x0 + (k / 4) * side, cell.y0 + (k % 4) * side, side, k / 4, k % 4});
        MeetInCell(parts[k], path, m);
        path.pop_back();
      }
      return;
    }
  }
  std::sort(here.begin(), here.end(), [](const InCell& p, const InCell& q) { return p.x0 < q.x0; });
  for (std::size_t i = 0; i < here.size(); ++i) {
    const InCell& pBox = here[i];
    for (std::size_t j = i + 1; j < here.size() && here[j].x0 <= pBox.x1; ++j) {
      if (--m.pairsLeft < 0) return;
      const InCell& qBox = here[j];
      if (pBox.layer != qBox.layer || qBox.y0 > pBox.y1 || pBox.y0 > qBox.y1) continue;
      const Run& p = m.runs[pBox.run];
      const Run& q = m.runs[qBox.run];
      if (p.profile == q.profile) {
        const uint32_t gap = p.order > q.order ? p.order - q.order : q.order - p.order;
        if (gap <= 1 || gap + 1 == m.runsOfProfile[p.profile]) continue;  // neighbours share an end
      }
      Point3 at[2];
      const int count = Meet(p, q, m.circles, m.tolerance, at);
      for (int k = 0; k < count; ++k) {
        if (Owns(path, at[k]))
          m.hits.push_back({std::min(p.profile, q.profile), std::max(p.profile, q.profile), at[k]});
      }
    }
  }
}

}  // namespace

bool FindCrossings(const CheckedPieces& drawing, std::vector<CheckFinding>& findings) {
  const std::vector<CheckedPiece>& pieces = drawing.pieces;
  const std::vector<CheckedProfile>& profiles = drawing.profiles;
  const double tolerance = drawing.tolerance;
  std::vector<Run> runs;
  std::vector<ArcOnCircle> circles;
  std::vector<uint32_t> runsOfProfile(profiles.size(), 0);
  // Sized once: at a million pieces every copy of a growing array costs.
  runs.reserve(static_cast<std::size_t>(std::count_if(
      pieces.begin(), pieces.end(), [&](const CheckedPiece& piece) { return !profiles[piece.profile].open; })));
  for (const CheckedPiece& piece : pieces) {
    const CheckedProfile& profile = profiles[piece.profile];
    if (profile.open) continue;
    Run run{
        piece.profile, profile.layer, runsOfProfile[piece.profile]++, kStraight, piece.a, piece.b, 0.0, 0.0, 0.0, 0.0};
    ArcOnCircle circle;
    if (piece.arc && CircleOf(piece, circle)) {
      run.circle = static_cast<uint32_t>(circles.size());
      circles.push_back(circle);
    }
    Box(run, circles);
    // Widened by what rounding may put a computed crossing outside it, so
    // that a crossing on a cell's border is met in the cell that tells it.
    const double pad = 1e-9 * (std::fabs(run.x0) + std::fabs(run.x1) + std::fabs(run.y0) + std::fabs(run.y1)) + 1e-12;
    run.x0 -= pad;
    run.y0 -= pad;
    run.x1 += pad;
    run.y1 += pad;
    runs.push_back(run);
  }
  if (runs.size() < 2) return true;
  // Cells of twice the median piece, or of the mean piece where a few long
  // ones would cross too many small cells (the crowded cells are split).
  std::vector<double> sizes;
  sizes.reserve(runs.size());
  double total = 0.0;
  for (const Run& run : runs) {
    sizes.push_back(std::max(run.x1 - run.x0, run.y1 - run.y0));
    total += sizes.back();
  }
  std::nth_element(sizes.begin(), sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2), sizes.end());
  const double mean = total / static_cast<double>(sizes.size());
  const double cell = std::max({2.0 * sizes[sizes.size() / 2], std::isfinite(mean) ? mean : 0.0, 1e-6});
  sizes = std::vector<double>();
  struct CellEntry {
    int64_t x, y;
    uint32_t run;
    bool operator<(const CellEntry& other) const { return std::tie(x, y, run) < std::tie(other.x, other.y, other.run); }
  };
  std::vector<CellEntry> cells;
  // A run whose box covers more cells than this (a long diagonal, a large
  // circle) goes to the cells along it instead, walked a quarter of a cell
  // at a time.
  constexpr int64_t kMostBoxCells = 64;
  const auto cellOf = [cell](double v) { return CellIndex(v, cell); };
  for (uint32_t i = 0; i < runs.size(); ++i) {
    const Run& run = runs[i];
    const int64_t x0 = cellOf(run.x0);
    const int64_t x1 = cellOf(run.x1);
    const int64_t y0 = cellOf(run.y0);
    const int64_t y1 = cellOf(run.y1);
    if (x1 - x0 < kMostBoxCells && y1 - y0 < kMostBoxCells && (x1 - x0 + 1) * (y1 - y0 + 1) <= kMostBoxCells) {
      for (int64_t x = x0; x <= x1; ++x) {
        for (int64_t y = y0; y <= y1; ++y) cells.push_back({x, y, i});
      }
      continue;
    }
    // The cells round points a quarter of a cell apart along it, each
    // reaching half the way to the next and the arc's bulge between them:
    // together they hold every point of the run.
    const ArcOnCircle* circle = run.circle == kStraight ? nullptr : &circles[run.circle];
    const double length = circle != nullptr ? circle->radius * circle->sweep : Length(run.b - run.a);
    // At most four steps a cell: all long runs together take at most four
    // times as many steps as there are runs, the cell being at least the
    // mean run. A run of no finite length (scaled beyond any drawing) takes
    // as many and no more.
    const double most = 4.0 * static_cast<double>(runs.size()) + 4.0;
    const double steps = std::min(std::ceil(4.0 * length / cell), most);
    double reach = 0.5 * length / steps;
    if (circle != nullptr) reach += circle->radius * (1.0 - std::cos(0.5 * circle->sweep / steps));
    reach += 1e-9 * (std::fabs(run.x0) + std::fabs(run.x1) + std::fabs(run.y0) + std::fabs(run.y1)) + 1e-12;
    const std::size_t from = cells.size();
    for (double k = 0.0; k <= steps; k += 1.0) {
      Point3 at = run.a + (k / steps) * (run.b - run.a);
      if (circle != nullptr) {
        const double angle = circle->start + (k / steps) * circle->sweep;
        at = circle->centre + circle->radius * Point3{std::cos(angle), std::sin(angle), 0.0};
      }
      // The reach is an eighth of a cell and a bulge; the neighbours are
      // all it ever needs, whatever a run far beyond any drawing makes of it.
      const int64_t x = cellOf(at.x);
      const int64_t y = cellOf(at.y);
      for (int64_t cx = std::max(cellOf(at.x - reach), x - 1); cx <= std::min(cellOf(at.x + reach), x + 1); ++cx) {
        for (int64_t cy = std::max(cellOf(at.y - reach), y - 1); cy <= std::min(cellOf(at.y + reach), y + 1); ++cy) {
          cells.push_back({cx, cy, i});
        }
      }
    }
    std::sort(cells.begin() + static_cast<std::ptrdiff_t>(from), cells.end());
    cells.erase(std::unique(cells.begin() + static_cast<std::ptrdiff_t>(from), cells.end(),
                            [](const CellEntry& p, const CellEntry& q) { return p.x == q.x && p.y == q.y; }),
                cells.end());
  }
  std::sort(cells.begin(), cells.end());
  // Every crossing with its pair of profiles (a profile with itself: it
  // crosses itself), in the order found.
  // The cells in two halves, the second on a thread of its own when the
  // system gives one.
  const auto meetCells = [&](std::size_t first, std::size_t end, std::vector<Hit>& hits, int64_t& pairsLeft) {
    std::vector<InCell> here;
    const CellMeeting meeting{runs, circles, runsOfProfile, tolerance, hits, pairsLeft};
    std::vector<CellSplit> path;
    while (first < end && pairsLeft >= 0) {
      const int64_t cx = cells[first].x;
      const int64_t cy = cells[first].y;
      here.clear();
      for (; first < end && cells[first].x == cx && cells[first].y == cy; ++first) {
        const Run& run = runs[cells[first].run];
        here.push_back({run.x0, run.x1, run.y0, run.y1, run.layer, cells[first].run});
      }
      path.assign(1, {static_cast<double>(cx) * cell, static_cast<double>(cy) * cell, cell, cx, cy});
      MeetInCell(here, path, meeting);
    }
  };
  std::size_t half = cells.size() / 2;
  while (half > 0 && half < cells.size() && cells[half].x == cells[half - 1].x && cells[half].y == cells[half - 1].y) {
    ++half;
  }
  std::vector<Hit> hits;
  std::vector<Hit> secondHits;
  // Drawings seen meet some tens of pairs per piece; a thousand identical
  // circles in one place would meet every other.
  const int64_t budget = 128 * static_cast<int64_t>(runs.size()) + 1'000'000;
  int64_t pairsLeft = budget;
  int64_t secondPairsLeft = budget;
  RunBeside([&] { meetCells(half, cells.size(), secondHits, secondPairsLeft); },
            [&] { meetCells(0, half, hits, pairsLeft); });
  const bool complete = pairsLeft >= 0 && secondPairsLeft >= 0;
  hits.insert(hits.end(), secondHits.begin(), secondHits.end());
  secondHits = std::vector<Hit>();
  cells = std::vector<CellEntry>();
  // Per pair of profiles, the crossings and the leftmost (then lowest) of
  // them: the same place however the grid fell.
  std::sort(hits.begin(), hits.end(),
            [](const Hit& a, const Hit& b) { return std::tie(a.first, a.second) < std::tie(b.first, b.second); });
  std::size_t pairs = 0;
  for (std::size_t i = 0; i < hits.size(); ++i) {
    pairs += i == 0 || hits[i].first != hits[i - 1].first || hits[i].second != hits[i - 1].second;
  }
  findings.reserve(findings.size() + pairs);
  for (std::size_t i = 0; i < hits.size();) {
    std::size_t last = i;
    while (last < hits.size() && hits[last].first == hits[i].first && hits[last].second == hits[i].second) ++last;
    const CheckedProfile& one = profiles[hits[i].first];
    CheckFinding found;
    found.kind = FindingKind::kCrossing;
    found.layer = one.layer;
    found.itself = hits[i].first == hits[i].second;
    found.at = hits[i].at;
    for (std::size_t k = i + 1; k < last; ++k) {
      if (std::tie(hits[k].at.x, hits[k].at.y) < std::tie(found.at.x, found.at.y)) found.at = hits[k].at;
    }
    found.to = found.at;
    found.near[0] = one.start;
    found.near[1] = profiles[hits[i].second].start;
    found.count = static_cast<int64_t>(last - i);
    found.figure = static_cast<double>(found.count);
    findings.push_back(found);
    i = last;
  }
  return complete;
}

}  // namespace dxfelem
