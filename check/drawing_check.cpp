#include "check/drawing_check.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <tuple>

#include "check/cell_index.h"
#include "check/run_beside.h"
#include "geometry/vector3.h"

namespace dxfelem {
namespace {

// The length of the arc from a through m to b, or of the segment a-b.
double PieceLength(const CheckedPiece& piece) {
  const Point3& a = piece.a;
  const Point3& m = piece.m;
  const Point3& b = piece.b;
  if (!piece.arc) return Length(b - a);
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

// The ends of the open profiles by layer and cell, sorted once, and for
// each the nearest end of another profile within one cell's reach. The
// ends are visited in their sorted order, so the three rows of cells round
// one are found by three cursors that only move forward.
struct EndEntry {
  uint32_t layer;
  int64_t x, y;
  uint32_t owner;
  int end;  // 0 its start, 1 its end
  FindingPlace p;
};

void FindNearestEnds(double cell, std::span<CheckFinding> open) {
  std::vector<EndEntry> entries;
  entries.reserve(2 * open.size());
  const auto cellOf = [cell](double v) { return CellIndex(v, cell); };
  for (uint32_t i = 0; i < open.size(); ++i) {
    for (int end = 0; end < 2; ++end) {
      const FindingPlace& p = end == 0 ? open[i].at : open[i].to;
      entries.push_back({open[i].layer, cellOf(p.x), cellOf(p.y), i, end, p});
    }
  }
  const auto key = [](const EndEntry& e) { return std::tie(e.layer, e.x, e.y); };
  std::sort(entries.begin(), entries.end(), [&](const EndEntry& a, const EndEntry& b) {
    return std::tie(a.layer, a.x, a.y, a.owner, a.end) < std::tie(b.layer, b.x, b.y, b.owner, b.end);
  });
  std::size_t cursor[3] = {0, 0, 0};
  for (const EndEntry& e : entries) {
    double distance = INFINITY;
    CheckFinding& found = open[e.owner];
    for (int row = 0; row < 3; ++row) {
      const int64_t x = e.x + row - 1;
      std::size_t& at = cursor[row];
      while (at < entries.size() && key(entries[at]) < std::make_tuple(e.layer, x, e.y - 1)) ++at;
      for (std::size_t k = at; k < entries.size() && key(entries[k]) <= std::make_tuple(e.layer, x, e.y + 1); ++k) {
        const double d = std::hypot(entries[k].p.x - e.p.x, entries[k].p.y - e.p.y);
        if (entries[k].owner != e.owner && d < distance) {
          distance = d;
          found.near[e.end] = entries[k].p;
        }
      }
    }
    found.nearFound[e.end] = distance <= cell;
  }
}

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
  drawing_.tolerance = tolerance;
  if (!(minLength_ > 0.0)) minLength_ = 10.0 * tolerance;
}

uint32_t DrawingCheck::LayerOf(const std::string& name) {
  const auto [found, added] = layerIndex_.emplace(name, static_cast<uint32_t>(result_.layers.size()));
  if (added) result_.layers.push_back(name);
  return found->second;
}

void DrawingCheck::Take(const Element& element) {
  const NodeList& nodes = element.nodes();
  if (nodes.size() < 2 || nodes.front().code != kNodeIni) return;
  const uint32_t layer = LayerOf(element.layer());
  const uint32_t profile = static_cast<uint32_t>(drawing_.profiles.size());
  drawing_.profiles.push_back({layer, nodes.front().point(), nodes.back().point(), !element.IsClosed()});
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
    drawing_.pieces.push_back({profile, arc, from, middle, node.point()});
    from = node.point();
    arc = false;
  }
}

void DrawingCheck::Note(FindingKind kind, std::string words, double figure) {
  CheckFinding found;
  found.kind = kind;
  found.note = static_cast<uint32_t>(result_.notes.size());
  found.figure = figure;
  result_.notes.push_back(std::move(words));
  notes_.push_back(found);
}

void DrawingCheck::SetUnits(int insUnits, bool workedInInches, const std::string& settings) {
  if (insUnits == 1 && !workedInInches) {
    Note(FindingKind::kUnits,
         "$INSUNITS says inches, but the settings are used as millimetres (" + settings +
             "): UnitaMisura=2 works an inch drawing in inches",
         1.0);
  } else if (insUnits == 6) {
    Note(FindingKind::kUnits,
         "$INSUNITS says metres, and the settings are used as drawing units (" + settings +
             "): a length of 1 in them is a metre here, not a millimetre",
         6.0);
  }
}

void DrawingCheck::SetTexts(const std::map<std::string, std::string>& substitutes, long belowGap, double lowest,
                            double gap) {
  for (const auto& [asked, given] : substitutes) {
    Note(FindingKind::kText,
         "the face " + asked + " was asked for; the texts were drawn in " + given +
             ", which the font system gave in its place",
         0.0);
  }
  if (belowGap > 0) {
    Note(FindingKind::kText,
         std::to_string(belowGap) + (belowGap == 1 ? " text is" : " texts are") +
             " lower than the gap between letters (SpazioFont " + FindingFigure(gap) + "), the lowest " +
             FindingFigure(lowest) + ": a word spreads far wider than it is high",
         lowest);
  }
}

void DrawingCheck::OpenProfiles(std::vector<CheckFinding>& findings) const {
  const std::vector<CheckedProfile>& profiles = drawing_.profiles;
  // Per layer, the gaps within reach that a larger Tollerance closes.
  const double reach = 100.0 * drawing_.tolerance;
  std::map<uint32_t, std::vector<double>> gaps;
  std::map<uint32_t, long> open;
  const std::size_t first = findings.size();
  for (const CheckedProfile& profile : profiles) {
    if (!profile.open) continue;
    ++open[profile.layer];
    CheckFinding found;
    found.kind = FindingKind::kOpenProfile;
    found.layer = profile.layer;
    found.at = profile.start;
    found.to = profile.end;
    found.figure = Length(profile.end - profile.start);
    if (found.figure <= reach) gaps[profile.layer].push_back(found.figure);
    findings.push_back(found);
  }
  FindNearestEnds(reach > 0.0 ? reach : 1.0, std::span<CheckFinding>(findings).subspan(first));
  for (auto& [layer, found] : gaps) {
    std::sort(found.begin(), found.end());
    const double value = ToleranceReaching(found.back());
    const long closed = static_cast<long>(
        std::count_if(found.begin(), found.end(), [value](double gap) { return gap <= static_cast<float>(value); }));
    if (closed == 0 || value <= drawing_.tolerance) continue;
    CheckFinding advice;
    advice.kind = FindingKind::kAdvice;
    advice.layer = layer;
    advice.figure = value;
    advice.count = closed;
    advice.total = static_cast<uint32_t>(open[layer]);
    findings.push_back(advice);
  }
}

void DrawingCheck::TinyPieces(std::vector<CheckFinding>& findings) const {
  for (const CheckedPiece& piece : drawing_.pieces) {
    const double length = PieceLength(piece);
    if (length >= minLength_) continue;
    CheckFinding found;
    found.kind = FindingKind::kTinyPiece;
    found.layer = drawing_.LayerOf(piece);
    found.arc = piece.arc;
    found.at = piece.a;
    found.to = piece.b;
    found.figure = length;
    findings.push_back(found);
  }
}

CheckResult DrawingCheck::Finish() {
  // The crossings, the longest check, beside the others.
  std::vector<CheckFinding> crossings;
  std::vector<CheckFinding> open;
  std::vector<CheckFinding> doubleCuts;
  std::vector<CheckFinding> tiny;
  bool crossingsComplete = true;
  RunBeside([&] { crossingsComplete = FindCrossings(drawing_, crossings); },
            [&] {
              OpenProfiles(open);
              FindDoubleCuts(drawing_, doubleCuts);
              FindDoubleArcs(drawing_, doubleCuts);
              TinyPieces(tiny);
            });
  if (!crossingsComplete) {
    Note(FindingKind::kCutShort,
         "crossings were looked for in part: the drawing piles so many pieces onto one place that meeting every "
         "pair of them would take hours; those told are crossings, others may be missing",
         0.0);
  }
  drawing_ = CheckedPieces();
  for (std::vector<CheckFinding>* part : {&open, &doubleCuts, &crossings, &tiny, &notes_}) {
    if (!part->empty()) result_.parts.push_back(std::move(*part));
  }
  return std::move(result_);
}

}  // namespace dxfelem
