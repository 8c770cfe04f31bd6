#include "check/drawing_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>
#include <unordered_map>

#include "geometry/vector3.h"

namespace dxfelem {
namespace {

std::string Number(double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

std::string Figure(double value) {
  // What is left of a zero after sines and cosines is told as 0.
  if (std::fabs(value) < 1e-9) value = 0.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

std::string Place(const Point3& p) { return "(" + Figure(p.x) + ", " + Figure(p.y) + ")"; }

// The length of the arc from a through m to b, or of the segment a-b.
double PieceLength(bool arc, const Point3& a, const Point3& m, const Point3& b) {
  if (!arc) return Length(b - a);
  const double chord1 = Length(m - a);
  const double chord2 = Length(b - m);
  const Point3 ab = b - a;
  const Point3 am = m - a;
  const double twiceArea = Length(Cross(ab, am));
  if (twiceArea <= 1e-15 * (chord1 + chord2) * (chord1 + chord2)) return chord1 + chord2;
  // The circumradius: |ab| |am| |mb| / (2 area).
  const double radius = Length(ab) * chord1 * chord2 / (2.0 * twiceArea);
  const auto angle = [radius](double chord) { return 2.0 * std::asin(std::min(1.0, chord / (2.0 * radius))); };
  return radius * (angle(chord1) + angle(chord2));
}

// A grid of points by cell and layer: the points sorted by their cell once,
// a cell's points found by a binary search.
class PointGrid {
 public:
  explicit PointGrid(double cell) : cell_(cell > 0.0 ? cell : 1.0) {}
  void Add(const Point3& p, uint32_t layer, uint32_t owner) { entries_.push_back({KeyOf(p, layer), p, owner}); }
  void Seal() {
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
  }
  // The nearest point of another owner within one cell's reach.
  bool Nearest(const Point3& p, uint32_t layer, uint32_t owner, Point3& found, double& distance) const {
    const Key centre = KeyOf(p, layer);
    distance = INFINITY;
    for (int64_t dx = -1; dx <= 1; ++dx) {
      for (int64_t dy = -1; dy <= 1; ++dy) {
        const Key key{std::get<0>(centre) + dx, std::get<1>(centre) + dy, layer};
        auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                                   [](const Entry& e, const Key& k) { return e.key < k; });
        for (; at != entries_.end() && at->key == key; ++at) {
          const double d = Length(at->p - p);
          if (at->owner != owner && d < distance) {
            distance = d;
            found = at->p;
          }
        }
      }
    }
    return distance <= cell_;
  }

 private:
  using Key = std::tuple<int64_t, int64_t, uint32_t>;
  struct Entry {
    Key key;
    Point3 p;
    uint32_t owner;
  };
  Key KeyOf(const Point3& p, uint32_t layer) const {
    return {static_cast<int64_t>(std::floor(p.x / cell_)), static_cast<int64_t>(std::floor(p.y / cell_)), layer};
  }
  double cell_;
  std::vector<Entry> entries_;
};

}  // namespace

double ToleranceReaching(double gap) {
  if (!(gap > 0.0) || !std::isfinite(gap)) return 0.0;
  // Two significant digits, rounded up; a step more where single precision
  // would fall short of the gap.
  const int exponent = static_cast<int>(std::floor(std::log10(gap))) - 1;
  const double scale = std::pow(10.0, -exponent);
  double digits = std::ceil(gap * scale - 1e-9);
  const auto value = [&] { return exponent < 0 ? digits / scale : digits * std::pow(10.0, exponent); };
  while (static_cast<double>(static_cast<float>(value())) < gap) digits += 1.0;
  return value();
}

void DrawingCheck::SetTolerance(double tolerance) {
  tolerance_ = tolerance;
  if (!(minLength_ > 0.0)) minLength_ = 10.0 * tolerance;
}

uint32_t DrawingCheck::LayerOf(const std::string& name) {
  const auto [found, added] = layerIndex_.emplace(name, static_cast<uint32_t>(layers_.size()));
  if (added) layers_.push_back(name);
  return found->second;
}

void DrawingCheck::Take(const Element& element) {
  const NodeList& nodes = element.nodes();
  if (nodes.size() < 2 || nodes.front().code != kNodeIni) return;
  const uint32_t layer = LayerOf(element.layer());
  const uint32_t profile = static_cast<uint32_t>(profiles_.size());
  profiles_.push_back({layer, nodes.front().point(), nodes.back().point(), !element.IsClosed()});
  Point3 from = nodes.front().point();
  Point3 middle;
  bool arc = false;
  for (std::size_t i = 1; i < nodes.size(); ++i) {
    const ElementNode& node = nodes[i];
    if (node.code == kNodeMed) {
      middle = node.point();
      arc = true;
      continue;
    }
    pieces_.push_back({profile, arc, from, middle, node.point()});
    from = node.point();
    arc = false;
  }
}

void DrawingCheck::SetUnits(int insUnits, bool workedInInches, const std::string& settings) {
  if (insUnits == 1 && !workedInInches) {
    unitFindings_.push_back({"units",
                             "",
                             "$INSUNITS says inches, but the settings are used as millimetres (" + settings +
                                 "): UnitaMisura=2 works an inch drawing in inches",
                             {},
                             {},
                             1.0});
  } else if (insUnits == 6) {
    unitFindings_.push_back({"units",
                             "",
                             "$INSUNITS says metres, and the settings are used as drawing units (" + settings +
                                 "): a length of 1 in them is a metre here, not a millimetre",
                             {},
                             {},
                             6.0});
  }
}

void DrawingCheck::SetTexts(const std::map<std::string, std::string>& substitutes, long belowGap, double lowest,
                            double gap) {
  for (const auto& [asked, given] : substitutes) {
    unitFindings_.push_back({"text",
                             "",
                             "the face " + asked + " was asked for; the texts were drawn in " + given +
                                 ", which the font system gave in its place",
                             {},
                             {},
                             0.0});
  }
  if (belowGap > 0) {
    unitFindings_.push_back({"text",
                             "",
                             std::to_string(belowGap) + (belowGap == 1 ? " text is" : " texts are") +
                                 " lower than the gap between letters (SpazioFont " + Figure(gap) + "), the lowest " +
                                 Figure(lowest) + ": a word spreads far wider than it is high",
                             {},
                             {},
                             lowest});
  }
}

void DrawingCheck::OpenProfiles(std::vector<CheckFinding>& findings) const {
  // Ends of every profile, to find the nearest end of another one.
  const double reach = 100.0 * tolerance_;
  PointGrid ends(reach);
  for (uint32_t i = 0; i < profiles_.size(); ++i) {
    ends.Add(profiles_[i].start, profiles_[i].layer, i);
    ends.Add(profiles_[i].end, profiles_[i].layer, i);
  }
  ends.Seal();
  // Per layer, the gaps within reach that a larger Tollerance closes.
  std::map<uint32_t, std::vector<double>> gaps;
  std::map<uint32_t, long> open;
  for (uint32_t i = 0; i < profiles_.size(); ++i) {
    const Profile& profile = profiles_[i];
    if (!profile.open) continue;
    ++open[profile.layer];
    const double own = Length(profile.end - profile.start);
    if (own <= reach) gaps[profile.layer].push_back(own);
    std::string text =
        "from " + Place(profile.start) + " to " + Place(profile.end) + ", its ends " + Figure(own) + " apart";
    for (const Point3& end : {profile.start, profile.end}) {
      Point3 other;
      double distance = 0.0;
      if (ends.Nearest(end, profile.layer, i, other, distance)) {
        text += "; the nearest end of another piece to " + Place(end) + " is " + Place(other) + ", " +
                Figure(distance) + " away";
      }
    }
    findings.push_back({"open profile", layers_[profile.layer], text, profile.start, profile.end, own});
  }
  for (auto& [layer, found] : gaps) {
    std::sort(found.begin(), found.end());
    const double value = ToleranceReaching(found.back());
    const long closed = static_cast<long>(
        std::count_if(found.begin(), found.end(), [value](double gap) { return gap <= static_cast<float>(value); }));
    if (closed == 0 || value <= tolerance_) continue;
    findings.push_back({"advice",
                        layers_[layer],
                        "Tollerance=" + Number(value) + " would close " + std::to_string(closed) + " of the " +
                            std::to_string(open[layer]) + " open profiles of layer " + layers_[layer],
                        {},
                        {},
                        value});
  }
}

namespace {

// An arc as its circle and the counter-clockwise stretch of angles it covers.
struct ArcOnCircle {
  Point3 centre;
  double radius = 0.0;
  double start = 0.0;  // radians, in [0, 2 pi)
  double sweep = 0.0;  // (0, 2 pi]
};

bool CircleOf(const Point3& a, const Point3& m, const Point3& b, ArcOnCircle& arc) {
  const Point3 ab = b - a;
  const Point3 am = m - a;
  const double twiceArea = Cross(ab, am).z;
  const bool full = Length(ab) <= 1e-9 && Length(am) > 1e-9;
  if (!full && std::fabs(twiceArea) < 1e-12) return false;
  arc.centre = 0.5 * (a + m);
  if (!full) {
    const double d = 2.0 * twiceArea;
    arc.centre =
        a + Point3{(am.y * Dot(ab, ab) - ab.y * Dot(am, am)) / d, (ab.x * Dot(am, am) - am.x * Dot(ab, ab)) / d, 0.0};
  }
  arc.radius = Length(a - arc.centre);
  const double turn = 2.0 * std::numbers::pi;
  const auto angle = [&](const Point3& p) {
    const double value = std::atan2(p.y - arc.centre.y, p.x - arc.centre.x);
    return value < 0.0 ? value + turn : value;
  };
  if (full) {
    arc.start = 0.0;
    arc.sweep = turn;
    return true;
  }
  // Counter-clockwise from a to b when m lies to the right of the way from
  // a to b; otherwise the same stretch from b to a.
  const bool counter = twiceArea < 0.0;
  arc.start = counter ? angle(a) : angle(b);
  double end = counter ? angle(b) : angle(a);
  if (end <= arc.start) end += turn;
  arc.sweep = end - arc.start;
  return true;
}

// The angle two stretches of one circle share.
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

void DrawingCheck::DoubleArcs(std::vector<CheckFinding>& findings) const {
  // Arcs of one circle fall into one bucket of centre and radius, or a
  // neighbouring one.
  const double step = std::max(2.0 * tolerance_, 1e-9);
  struct Key {
    int64_t x, y, r;
    bool operator==(const Key&) const = default;
  };
  struct Hash {
    std::size_t operator()(const Key& k) const {
      return std::hash<int64_t>()(k.x * 73856093 ^ k.y * 19349663 ^ k.r * 83492791);
    }
  };
  std::unordered_map<Key, std::vector<uint32_t>, Hash> buckets;
  std::vector<ArcOnCircle> circles(pieces_.size());
  const auto cellOf = [step](double v) { return static_cast<int64_t>(std::floor(v / step)); };
  for (uint32_t i = 0; i < pieces_.size(); ++i) {
    const Piece& piece = pieces_[i];
    if (!piece.arc || !CircleOf(piece.a, piece.m, piece.b, circles[i])) continue;
    const ArcOnCircle& arc = circles[i];
    buckets[{cellOf(arc.centre.x), cellOf(arc.centre.y), cellOf(arc.radius)}].push_back(i);
  }
  for (const auto& [key, members] : buckets) {
    for (int64_t dx = -1; dx <= 1; ++dx) {
      for (int64_t dy = -1; dy <= 1; ++dy) {
        for (int64_t dr = -1; dr <= 1; ++dr) {
          const Key near{key.x + dx, key.y + dy, key.r + dr};
          // Each pair of buckets once: this one with itself and with those after it.
          if (std::tie(near.x, near.y, near.r) < std::tie(key.x, key.y, key.r)) continue;
          const auto found = buckets.find(near);
          if (found == buckets.end()) continue;
          const bool same = near == key;
          for (std::size_t i = 0; i < members.size(); ++i) {
            for (std::size_t j = same ? i + 1 : 0; j < found->second.size(); ++j) {
              const uint32_t pi = members[i];
              const uint32_t qi = found->second[j];
              const ArcOnCircle& p = circles[pi];
              const ArcOnCircle& q = circles[qi];
              if (Length(p.centre - q.centre) > tolerance_ || std::fabs(p.radius - q.radius) > tolerance_) continue;
              double from = 0.0;
              const double shared = SharedAngle(p, q, from) * p.radius;
              if (shared <= tolerance_) continue;
              const uint32_t layerP = profiles_[pieces_[pi].profile].layer;
              const uint32_t layerQ = profiles_[pieces_[qi].profile].layer;
              const bool across = layerP != layerQ;
              const double to = from + shared / p.radius;
              const Point3 start = p.centre + p.radius * Point3{std::cos(from), std::sin(from), 0.0};
              const Point3 end = p.centre + p.radius * Point3{std::cos(to), std::sin(to), 0.0};
              findings.push_back({across ? "double cut across layers" : "double cut", layers_[layerP],
                                  "cut twice over " + Figure(shared) + " along the arc about " + Place(p.centre) +
                                      " from " + Place(start) + " to " + Place(end) +
                                      (across ? " (also on layer " + layers_[layerQ] + ")" : ""),
                                  start, end, shared});
            }
          }
        }
      }
    }
  }
}

void DrawingCheck::DoubleCuts(std::vector<CheckFinding>& findings) const {
  // Segments on one line fall into one bucket of direction and offset (or
  // a neighbouring one); within a bucket they are swept along the line.
  constexpr double kAngleStep = 1e-3;
  const double offsetStep = std::max(2.0 * tolerance_, 1e-9);
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
  for (uint32_t i = 0; i < pieces_.size(); ++i) {
    const Piece& piece = pieces_[i];
    if (piece.arc) continue;
    Point3 d = piece.b - piece.a;
    if (Length(d) <= tolerance_) continue;
    d = Unit(d);
    if (d.x < 0.0 || (d.x == 0.0 && d.y < 0.0)) d = -1.0 * d;
    const double angle = std::atan2(d.y, d.x);
    const double offset = d.x * piece.a.y - d.y * piece.a.x;
    entries.push_back({static_cast<int64_t>(std::floor(angle / kAngleStep)),
                       static_cast<int64_t>(std::floor(offset / offsetStep)), i});
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
    const std::pair<int64_t, int64_t> key{a, o};
    first = last;
    if (candidates.size() < 2) continue;
    const double angle = (static_cast<double>(key.first) + 0.5) * kAngleStep;
    const Point3 along{std::cos(angle), std::sin(angle), 0.0};
    lines.clear();
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      const uint32_t i = candidates[k];
      const double s = Dot(pieces_[i].a, along);
      const double e = Dot(pieces_[i].b, along);
      lines.push_back({i, std::min(s, e), std::max(s, e), k < members});
    }
    std::sort(lines.begin(), lines.end(), [](const Line& x, const Line& y) { return x.t0 < y.t0; });
    for (std::size_t i = 0; i < lines.size(); ++i) {
      for (std::size_t j = i + 1; j < lines.size() && lines[j].t0 < lines[i].t1 - tolerance_; ++j) {
        if (!lines[i].own && !lines[j].own) continue;
        const Piece& p = pieces_[lines[i].piece];
        const Piece& q = pieces_[lines[j].piece];
        // q's stretch over p, within the tolerance of p's line.
        const Point3 d = Unit(p.b - p.a);
        const double length = Length(p.b - p.a);
        double u0 = Dot(q.a - p.a, d);
        double u1 = Dot(q.b - p.a, d);
        if (u0 > u1) std::swap(u0, u1);
        const double from = std::max(0.0, u0);
        const double to = std::min(length, u1);
        if (to - from <= tolerance_) continue;
        const auto offLine = [&](const Point3& x) { return Length(Cross(x - p.a, d)); };
        const Point3 qd = Unit(q.b - q.a);
        const double qs = Dot(p.a + from * d - q.a, qd);
        const double qe = Dot(p.a + to * d - q.a, qd);
        if (offLine(q.a + qs * qd) > tolerance_ || offLine(q.a + qe * qd) > tolerance_) continue;
        const uint32_t layerP = profiles_[p.profile].layer;
        const uint32_t layerQ = profiles_[q.profile].layer;
        const bool across = layerP != layerQ;
        findings.push_back({across ? "double cut across layers" : "double cut", layers_[layerP],
                            "cut twice over " + Figure(to - from) + " from " + Place(p.a + from * d) + " to " +
                                Place(p.a + to * d) + (across ? " (also on layer " + layers_[layerQ] + ")" : ""),
                            p.a + from * d, p.a + to * d, to - from});
      }
    }
  }
}

void DrawingCheck::Crossings(std::vector<CheckFinding>& findings) const {
  // The pieces of closed profiles as straight runs, an arc by its chords.
  struct Run {
    uint32_t profile;
    uint32_t order;  // along its profile, to pass over neighbours
    Point3 a, b;
  };
  std::vector<Run> runs;
  std::vector<uint32_t> runsOfProfile(profiles_.size(), 0);
  for (const Piece& piece : pieces_) {
    if (profiles_[piece.profile].open) continue;
    uint32_t& order = runsOfProfile[piece.profile];
    if (!piece.arc) {
      runs.push_back({piece.profile, order++, piece.a, piece.b});
      continue;
    }
    const Point3 ab = piece.b - piece.a;
    const Point3 am = piece.m - piece.a;
    const double twiceArea = Cross(ab, am).z;
    const bool full = Length(ab) <= 1e-9 && Length(am) > 1e-9;  // a full circle: m lies opposite a
    if (std::fabs(twiceArea) < 1e-12 && !full) {
      runs.push_back({piece.profile, order++, piece.a, piece.b});
      continue;
    }
    // The circle through the three points, walked from a through m to b.
    Point3 centre = 0.5 * (piece.a + piece.m);
    if (!full) {
      const double d = 2.0 * twiceArea;
      const double ab2 = Dot(ab, ab);
      const double am2 = Dot(am, am);
      centre = piece.a + Point3{(am.y * ab2 - ab.y * am2) / d, (ab.x * am2 - am.x * ab2) / d, 0.0};
    }
    const double radius = Length(piece.a - centre);
    const double start = std::atan2(piece.a.y - centre.y, piece.a.x - centre.x);
    double sweep = full ? 2.0 * std::numbers::pi : std::atan2(piece.b.y - centre.y, piece.b.x - centre.x) - start;
    const bool counter = twiceArea < 0.0;  // m right of the way from a to b: counter-clockwise
    if (!full && counter && sweep <= 0.0) sweep += 2.0 * std::numbers::pi;
    if (!full && !counter && sweep >= 0.0) sweep -= 2.0 * std::numbers::pi;
    // Chords of at most a 64th of a turn: within 0.0013 of the radius.
    const int chords = std::max(4, static_cast<int>(std::ceil(std::fabs(sweep) / (std::numbers::pi / 32.0))));
    Point3 from = piece.a;
    for (int k = 1; k <= chords; ++k) {
      const double angle = start + sweep * k / chords;
      const Point3 to =
          k == chords ? piece.b : Point3{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), 0.0};
      runs.push_back({piece.profile, order++, from, to});
      from = to;
    }
  }
  if (runs.size() < 2) return;
  // A grid of cells twice the median run's length: each run in every cell
  // its box touches; a crossing is told by the cell it lies in, once.
  std::vector<double> lengths;
  for (const Run& run : runs) lengths.push_back(Length(run.b - run.a));
  std::nth_element(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2), lengths.end());
  const double cell = std::max(2.0 * lengths[lengths.size() / 2], 1e-6);
  struct CellEntry {
    int64_t x, y;
    uint32_t run;
    bool operator<(const CellEntry& other) const { return std::tie(x, y, run) < std::tie(other.x, other.y, other.run); }
  };
  std::vector<CellEntry> cells;
  // A run whose box covers more cells than this (a long diagonal) goes to
  // the cells along it instead, walked a quarter of a cell at a time.
  constexpr int64_t kMostBoxCells = 64;
  const auto cellOf = [cell](double v) { return static_cast<int64_t>(std::floor(v / cell)); };
  for (uint32_t i = 0; i < runs.size(); ++i) {
    const Run& run = runs[i];
    const int64_t x0 = cellOf(std::min(run.a.x, run.b.x));
    const int64_t x1 = cellOf(std::max(run.a.x, run.b.x));
    const int64_t y0 = cellOf(std::min(run.a.y, run.b.y));
    const int64_t y1 = cellOf(std::max(run.a.y, run.b.y));
    if ((x1 - x0 + 1) * (y1 - y0 + 1) <= kMostBoxCells) {
      for (int64_t x = x0; x <= x1; ++x) {
        for (int64_t y = y0; y <= y1; ++y) cells.push_back({x, y, i});
      }
      continue;
    }
    const double steps = std::ceil(4.0 * Length(run.b - run.a) / cell);
    for (double k = 0.0; k <= steps; k += 1.0) {
      const Point3 at = run.a + (k / steps) * (run.b - run.a);
      const CellEntry entry{cellOf(at.x), cellOf(at.y), i};
      if (cells.empty() || cells.back().run != i || cells.back().x != entry.x || cells.back().y != entry.y) {
        cells.push_back(entry);
      }
    }
  }
  std::sort(cells.begin(), cells.end());
  // Per pair of profiles (a profile with itself: it crosses itself), the
  // crossings and the first one.
  std::map<std::pair<uint32_t, uint32_t>, std::pair<long, Point3>> crossings;
  for (std::size_t first = 0; first < cells.size();) {
    std::size_t last = first;
    while (last < cells.size() && cells[last].x == cells[first].x && cells[last].y == cells[first].y) ++last;
    const std::pair<int64_t, int64_t> key{cells[first].x, cells[first].y};
    const std::size_t begin = first;
    first = last;
    for (std::size_t i = begin; i < last; ++i) {
      for (std::size_t j = i + 1; j < last; ++j) {
        const Run& p = runs[cells[i].run];
        const Run& q = runs[cells[j].run];
        if (profiles_[p.profile].layer != profiles_[q.profile].layer) continue;
        if (p.profile == q.profile) {
          const uint32_t gap = p.order > q.order ? p.order - q.order : q.order - p.order;
          if (gap <= 1 || gap + 1 == runsOfProfile[p.profile]) continue;  // neighbours share an end
        }
        const Point3 r = p.b - p.a;
        const Point3 s = q.b - q.a;
        const double denominator = r.x * s.y - r.y * s.x;
        if (std::fabs(denominator) <= 1e-12 * Length(r) * Length(s)) continue;  // parallel: double cuts, if any
        const Point3 w = q.a - p.a;
        const double t = (w.x * s.y - w.y * s.x) / denominator;
        const double u = (w.x * r.y - w.y * r.x) / denominator;
        const double lr = Length(r);
        const double ls = Length(s);
        // Within each run, away from its ends by more than the tolerance.
        if (t * lr <= tolerance_ || (1.0 - t) * lr <= tolerance_ || u * ls <= tolerance_ ||
            (1.0 - u) * ls <= tolerance_) {
          continue;
        }
        const Point3 at = p.a + t * r;
        if (static_cast<int64_t>(std::floor(at.x / cell)) != key.first ||
            static_cast<int64_t>(std::floor(at.y / cell)) != key.second) {
          continue;  // told by the cell it lies in
        }
        auto& found = crossings[{std::min(p.profile, q.profile), std::max(p.profile, q.profile)}];
        if (found.first++ == 0) found.second = at;
      }
    }
  }
  for (const auto& [pair, found] : crossings) {
    const Profile& first = profiles_[pair.first];
    const bool itself = pair.first == pair.second;
    std::string text = itself ? "the closed profile from " + Place(first.start) + " crosses itself"
                              : "the closed profiles from " + Place(first.start) + " and from " +
                                    Place(profiles_[pair.second].start) + " cross";
    text += " at " + Place(found.second) +
            (found.first > 1 ? " (" + std::to_string(found.first) + " crossings)" : std::string());
    findings.push_back(
        {"crossing", layers_[first.layer], text, found.second, found.second, static_cast<double>(found.first)});
  }
}

void DrawingCheck::TinyPieces(std::vector<CheckFinding>& findings) const {
  for (const Piece& piece : pieces_) {
    const double length = PieceLength(piece.arc, piece.a, piece.m, piece.b);
    if (length >= minLength_) continue;
    findings.push_back(
        {"tiny piece", layers_[profiles_[piece.profile].layer],
         std::string(piece.arc ? "an arc" : "a segment") + " of " + Figure(length) + " at " + Place(piece.a), piece.a,
         piece.b, length});
  }
}

std::vector<CheckFinding> DrawingCheck::Findings() const {
  std::vector<CheckFinding> findings;
  OpenProfiles(findings);
  DoubleCuts(findings);
  DoubleArcs(findings);
  Crossings(findings);
  TinyPieces(findings);
  findings.insert(findings.end(), unitFindings_.begin(), unitFindings_.end());
  return findings;
}

}  // namespace dxfelem
