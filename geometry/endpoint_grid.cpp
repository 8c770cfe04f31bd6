#include "geometry/endpoint_grid.h"

#include <algorithm>
#include <cmath>

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

EndpointGrid::EndpointGrid(double largestCoordinate, double tolerance, std::size_t entries,
                           const std::vector<uint32_t>& layers)
    : tolerance_(tolerance), layers_(layers) {
  // Twice the tolerance: the square of reach around a point then touches at
  // most 2 x 2 cells, where cells of one tolerance would need 3 x 3.
  cellSize_ = std::max(2.0 * tolerance, largestCoordinate * kRelativeCell);
  // Everything at the origin with a tolerance of 0: any size will do.
  if (!(cellSize_ > 0.0) || !std::isfinite(cellSize_)) cellSize_ = 1.0;
  entries_.reserve(entries);
}

int64_t EndpointGrid::CellIndex(double coordinate) const {
  const double index = std::floor(coordinate / cellSize_);
  if (!(index > -kLargestIndex)) return static_cast<int64_t>(-kLargestIndex);  // also for a NaN
  if (index > kLargestIndex) return static_cast<int64_t>(kLargestIndex);
  return static_cast<int64_t>(index);
}

void EndpointGrid::Add(uint32_t sequence, const Point3& point) {
  entries_.push_back({KeyOf(CellIndex(point.x), CellIndex(point.y), layers_[sequence]), sequence, point});
}

void EndpointGrid::Seal() {
  sealed_ = true;
  // Within a cell the entries keep their increasing sequence numbers.
  std::sort(entries_.begin(), entries_.end(),
            [](const Entry& a, const Entry& b) { return a.key != b.key ? a.key < b.key : a.sequence < b.sequence; });
  std::size_t cells = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) cells += i == 0 || entries_[i].key != entries_[i - 1].key;
  cells_.reserve(cells);
  std::size_t slots = 16;
  while (slots < cells * 2) slots *= 2;
  slots_.assign(slots, kEmptySlot);
  for (uint32_t i = 0; i < entries_.size();) {
    uint32_t end = i + 1;
    const uint32_t key = entries_[i].key;
    while (end < entries_.size() && entries_[end].key == key) ++end;
    std::size_t slot = key & (slots - 1);
    while (slots_[slot] != kEmptySlot) slot = (slot + 1) & (slots - 1);
    slots_[slot] = static_cast<uint32_t>(cells_.size());
    cells_.push_back(Cell{key, i, end});
    i = end;
  }
}

EndpointGrid::Cell* EndpointGrid::FindCell(uint32_t key) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = key & mask;; slot = (slot + 1) & mask) {
    // An empty slot ends the probe; a cell whose entries are all dead keeps
    // its slot, so that the probes through it go on.
    if (slots_[slot] == kEmptySlot) return nullptr;
    Cell& cell = cells_[slots_[slot]];
    if (cell.key == key) return &cell;
  }
}

uint32_t EndpointGrid::FirstInCell(Cell& cell, uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive) {
  while (cell.front < cell.end && !alive[entries_[cell.front].sequence]) ++cell.front;
  uint32_t dead = 0;
  uint32_t found = kNone;
  for (uint32_t i = cell.front; i < cell.end; ++i) {
    const Entry& entry = entries_[i];
    if (!alive[entry.sequence]) {
      ++dead;
      continue;
    }
    if (ChainDistance(point, entry.point) <= tolerance_ && layers_[entry.sequence] == layer) {
      found = entry.sequence;
      break;
    }
  }
  // Pieces joined away leave dead entries behind the front; a cell mostly
  // dead is compacted in place so that later scans do not pay for them.
  if (dead > 16 && dead * 2 > cell.end - cell.front) {
    uint32_t kept = cell.front;
    for (uint32_t i = cell.front; i < cell.end; ++i) {
      if (alive[entries_[i].sequence]) entries_[kept++] = entries_[i];
    }
    cell.end = kept;
  }
  return found;
}

uint32_t EndpointGrid::FirstWithin(uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive) {
  if (!sealed_) Seal();
  // A little beyond the tolerance, so that no rounding of the sums can
  // leave out a cell holding an entry that passes the distance test.
  const double reachX = tolerance_ * (1.0 + 1e-12) + std::fabs(point.x) * 1e-15;
  const double reachY = tolerance_ * (1.0 + 1e-12) + std::fabs(point.y) * 1e-15;
  const int64_t x0 = CellIndex(point.x - reachX);
  const int64_t x1 = CellIndex(point.x + reachX);
  const int64_t y0 = CellIndex(point.y - reachY);
  const int64_t y1 = CellIndex(point.y + reachY);
  uint32_t best = kNone;
  for (int64_t x = x0; x <= x1; ++x) {
    for (int64_t y = y0; y <= y1; ++y) {
      if (Cell* cell = FindCell(KeyOf(x, y, layer))) best = std::min(best, FirstInCell(*cell, layer, point, alive));
    }
  }
  return best;
}

}  // namespace dxfelem
