#include "geometry/endpoint_grid.h"

#include <algorithm>
#include <cmath>

#include "geometry/high_half_sort.h"

namespace dxfelem {
namespace {

// The rounding of a coordinate's sums stays below this fraction of it; a
// cell is never smaller than that slack a hundred times over.
constexpr double kRelativeCell = 1e-13;
// Cell indices are held to this, far beyond any finite coordinate's.
constexpr double kLargestIndex = 4.0e18;

}  // namespace

uint32_t EndpointGrid::KeyOf(int64_t x, int64_t y, uint32_t layer) {
  uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull;
  h ^= static_cast<uint64_t>(y) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
  h ^= static_cast<uint64_t>(layer) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 29;
  return static_cast<uint32_t>(h >> 32);
}

EndpointGrid::EndpointGrid(double tolerance, std::size_t pieces, const std::vector<uint32_t>& layers,
                           const PieceEnds& ends)
    : tolerance_(tolerance), layers_(layers), ends_(ends) {
  // Entries are keyed in cells of this size as they come in; Seal() makes
  // sure it is large enough for the largest coordinate.
  cellSize_ = CellSizeFor(0.0);
  entries_.reserve(2 * pieces);
}

double EndpointGrid::CellSizeFor(double largest) const {
  // Four times the tolerance: the square of reach around a point, two
  // tolerances wide, then lies in one cell for a quarter of the points, in
  // two for half of them and in 2 x 2 for the rest (2.25 cells on average,
  // where cells of twice the tolerance would always take 2 x 2). Most of a
  // drawing's ends meet no other end, and each cell looked at is a lookup.
  const double size = std::max(4.0 * tolerance_, largest * kRelativeCell);
  // Everything at the origin with a tolerance of 0: any size will do.
  return size > 0.0 && std::isfinite(size) ? size : 1.0;
}

int64_t EndpointGrid::CellIndex(double coordinate) const {
  const double index = std::floor(coordinate / cellSize_);
  if (!(index > -kLargestIndex)) return static_cast<int64_t>(-kLargestIndex);  // also for a NaN
  if (index > kLargestIndex) return static_cast<int64_t>(kLargestIndex);
  return static_cast<int64_t>(index);
}

void EndpointGrid::AddEntry(uint32_t sequence, const Point3& point) {
  const uint32_t key = KeyOf(CellIndex(point.x), CellIndex(point.y), layers_[sequence]);
  entries_.push_back(static_cast<Entry>(key) << 32 | sequence);
}

void EndpointGrid::Add(uint32_t sequence) {
  const Point3 start = ends_.Start(sequence);
  const Point3 end = ends_.End(sequence);
  Cover(start);
  Cover(end);
  AddEntry(sequence, start);
  AddEntry(sequence, end);
}

void EndpointGrid::Seal() {
  // The cells were sized from the tolerance while the entries came in; a
  // drawing reaching so far that rounding would cross them is entered again
  // in larger cells. Each piece's start comes before its end.
  if (const double size = CellSizeFor(largest_); size != cellSize_) {
    cellSize_ = size;
    for (Entry& entry : entries_) {
      const uint32_t sequence = SequenceOf(entry);
      const bool isStart = (&entry - entries_.data()) % 2 == 0;
      const Point3 point = isStart ? ends_.Start(sequence) : ends_.End(sequence);
      entry = static_cast<Entry>(KeyOf(CellIndex(point.x), CellIndex(point.y), layers_[sequence])) << 32 | sequence;
    }
  }
  // The entries came in the pieces' order: sorted by their cells, each
  // cell keeps them in that order, its first piece first.
  SortByHighHalves(entries_);
  std::size_t cells = 0;
  // ownEnds_[piece]: how many of its ends lie in cells that hold nothing
  // else; 2 for a piece that meets no other end in its cells.
  ownEnds_.assign(layers_.size(), 0);
  for (std::size_t first = 0, next = 0; first < entries_.size(); first = next) {
    ++cells;
    const uint32_t sequence = SequenceOf(entries_[first]);
    bool alone = true;
    for (next = first + 1; next < entries_.size() && KeyOf(entries_[next]) == KeyOf(entries_[first]); ++next) {
      alone = alone && SequenceOf(entries_[next]) == sequence;
    }
    if (alone) ownEnds_[sequence] = static_cast<uint8_t>(ownEnds_[sequence] + (next - first));
  }
  std::size_t slots = 16;
  while (slots < cells * 2) slots *= 2;
  slots_.assign(slots, kEmptySlot);
  // Eight filter bits per cell: about one empty cell in eight passes it.
  std::size_t filterBits = 64;
  filterShift_ = 26;
  while (filterBits < cells * 8 && filterShift_ > 0) {
    filterBits *= 2;
    --filterShift_;
  }
  filter_.assign(filterBits / 64, 0);
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    const uint32_t key = KeyOf(entries_[i]);
    if (i > 0 && KeyOf(entries_[i - 1]) == key) continue;
    std::size_t slot = key & (slots - 1);
    while (slots_[slot] != kEmptySlot) slot = (slot + 1) & (slots - 1);
    slots_[slot] = i;
    const std::size_t bit = FilterBit(key);
    filter_[bit / 64] |= uint64_t{1} << (bit % 64);
  }
}

uint32_t* EndpointGrid::FindCell(uint32_t key) {
  const std::size_t bit = FilterBit(key);
  if ((filter_[bit / 64] >> (bit % 64) & 1) == 0) return nullptr;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = key & mask;; slot = (slot + 1) & mask) {
    // An empty slot ends the probe; a cell whose entries are all dead keeps
    // its slot, so that the probes through it go on.
    if (slots_[slot] == kEmptySlot) return nullptr;
    if (KeyOf(entries_[slots_[slot]]) == key) return &slots_[slot];
  }
}

uint32_t EndpointGrid::FirstInCell(uint32_t& slot, uint32_t layer, const Point3& point,
                                   const std::vector<uint8_t>& alive) {
  const std::size_t count = entries_.size();
  const uint32_t key = KeyOf(entries_[slot]);
  auto inCell = [&](std::size_t i) { return i < count && KeyOf(entries_[i]) == key; };
  auto dead = [&](std::size_t i) {
    const uint32_t sequence = SequenceOf(entries_[i]);
    return sequence != kDeadEntry && !alive[sequence];
  };
  // The slot moves past the dead entries at the cell's front, never out of it.
  while (dead(slot) && inCell(slot + 1)) ++slot;
  uint32_t deadSeen = 0;
  uint32_t found = kNone;
  std::size_t i = slot;
  // A compacted cell's live entries end at its first dead mark.
  for (; inCell(i) && SequenceOf(entries_[i]) != kDeadEntry; ++i) {
    const uint32_t sequence = SequenceOf(entries_[i]);
    if (!alive[sequence]) {
      ++deadSeen;
      continue;
    }
    if (layers_[sequence] == layer && (ChainDistance(point, ends_.Start(sequence)) <= tolerance_ ||
                                       ChainDistance(point, ends_.End(sequence)) <= tolerance_)) {
      found = sequence;
      break;
    }
  }
  // Pieces joined away leave dead entries behind; a cell mostly dead is
  // compacted in place so that later scans do not pay for them.
  if (deadSeen > 16) {
    std::size_t end = i;
    while (inCell(end) && SequenceOf(entries_[end]) != kDeadEntry) ++end;
    if (deadSeen * 2 > end - slot) {
      std::size_t kept = slot;
      for (std::size_t j = slot; j < end; ++j) {
        if (!dead(j)) entries_[kept++] = entries_[j];
      }
      for (std::size_t j = kept; j < end; ++j) entries_[j] = static_cast<Entry>(key) << 32 | kDeadEntry;
    }
  }
  return found;
}

uint32_t EndpointGrid::FirstWithin(uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive,
                                   uint32_t ownPiece) {
  // A little beyond the tolerance, so that no rounding of the sums can
  // leave out a cell holding an entry that passes the distance test.
  const double reachX = tolerance_ * (1.0 + 1e-12) + std::fabs(point.x) * 1e-15;
  const double reachY = tolerance_ * (1.0 + 1e-12) + std::fabs(point.y) * 1e-15;
  const int64_t x0 = CellIndex(point.x - reachX);
  const int64_t x1 = CellIndex(point.x + reachX);
  const int64_t y0 = CellIndex(point.y - reachY);
  const int64_t y1 = CellIndex(point.y + reachY);
  // The cell of a piece's own end, when it holds nothing but the piece's
  // ends, holds no candidate once the piece is no longer alive: it is the
  // one cell a query would always find occupied, and the lookup is spared.
  const bool skipOwnCell = ownPiece != kNone && !alive[ownPiece] && ownEnds_[ownPiece] == 2;
  const int64_t ownX = skipOwnCell ? CellIndex(point.x) : x1 + 1;
  const int64_t ownY = skipOwnCell ? CellIndex(point.y) : 0;
  uint32_t best = kNone;
  for (int64_t x = x0; x <= x1; ++x) {
    for (int64_t y = y0; y <= y1; ++y) {
      if (x == ownX && y == ownY) continue;
      if (uint32_t* slot = FindCell(KeyOf(x, y, layer))) best = std::min(best, FirstInCell(*slot, layer, point, alive));
    }
  }
  return best;
}

}  // namespace dxfelem
