#include "geometry/endpoint_grid.h"

#include <algorithm>
#include <cmath>

namespace dxfelem {
namespace {

// Cells per axis at most: indices stay small whatever the coordinates.
constexpr double kMostCells = 1 << 20;

}  // namespace

std::size_t EndpointGrid::KeyHash::operator()(const Key& key) const {
  uint64_t h = (static_cast<uint64_t>(key.x) << 32) ^ key.y;
  h ^= static_cast<uint64_t>(key.layer) * 0x9E3779B97F4A7C15ull;
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

EndpointGrid::EndpointGrid(const std::vector<Point3>& points, double tolerance) : tolerance_(tolerance) {
  double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
  if (!points.empty()) {
    minX = maxX = points.front().x;
    minY = maxY = points.front().y;
  }
  for (const Point3& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  originX_ = minX;
  originY_ = minY;
  const double extent = std::max(maxX - minX, maxY - minY);
  cellSize_ = std::max(tolerance, extent / kMostCells);
  // Everything in one spot, or a tolerance of 0: any size will do.
  if (!(cellSize_ > 0.0)) cellSize_ = 1.0;
}

uint32_t EndpointGrid::CellIndex(double coordinate, double origin) const {
  const double index = std::floor((coordinate - origin) / cellSize_);
  if (!(index > 0.0)) return 0;  // also for a NaN from infinite extents
  if (index >= kMostCells) return static_cast<uint32_t>(kMostCells);
  return static_cast<uint32_t>(index);
}

void EndpointGrid::Add(uint32_t layer, uint32_t sequence, const Point3& point) {
  entries_.push_back({Key{layer, CellIndex(point.x, originX_), CellIndex(point.y, originY_)}, sequence, point});
}

void EndpointGrid::Seal() {
  sealed_ = true;
  // Stable: within a cell the entries keep their increasing sequence numbers.
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
  std::size_t slots = 16;
  while (slots < entries_.size() * 2) slots *= 2;
  cells_.assign(slots, Cell{Key{}, 0, 0, false});
  for (uint32_t i = 0; i < entries_.size();) {
    uint32_t end = i + 1;
    while (end < entries_.size() && entries_[end].key == entries_[i].key) ++end;
    std::size_t slot = KeyHash{}(entries_[i].key) & (slots - 1);
    while (cells_[slot].filled) slot = (slot + 1) & (slots - 1);
    cells_[slot] = Cell{entries_[i].key, i, end, true};
    i = end;
  }
}

EndpointGrid::Cell* EndpointGrid::FindCell(const Key& key) {
  const std::size_t mask = cells_.size() - 1;
  for (std::size_t slot = KeyHash{}(key)&mask;; slot = (slot + 1) & mask) {
    Cell& cell = cells_[slot];
    // A slot that was never filled ends the probe; a cell whose entries are
    // all dead stays filled, so that the probes through it go on.
    if (!cell.filled) return nullptr;
    if (cell.key == key) return &cell;
  }
}

uint32_t EndpointGrid::FirstInCell(Cell& cell, const Point3& point, const std::vector<uint8_t>& alive) {
  while (cell.front < cell.end && !alive[entries_[cell.front].sequence]) ++cell.front;
  uint32_t dead = 0;
  uint32_t found = kNone;
  for (uint32_t i = cell.front; i < cell.end; ++i) {
    const Entry& entry = entries_[i];
    if (!alive[entry.sequence]) {
      ++dead;
      continue;
    }
    if (ChainDistance(point, entry.point) <= tolerance_) {
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
  const double reachX = tolerance_ * (1.0 + 1e-12) + (std::fabs(point.x) + std::fabs(originX_)) * 1e-15;
  const double reachY = tolerance_ * (1.0 + 1e-12) + (std::fabs(point.y) + std::fabs(originY_)) * 1e-15;
  const uint32_t x0 = CellIndex(point.x - reachX, originX_);
  const uint32_t x1 = CellIndex(point.x + reachX, originX_);
  const uint32_t y0 = CellIndex(point.y - reachY, originY_);
  const uint32_t y1 = CellIndex(point.y + reachY, originY_);
  uint32_t best = kNone;
  for (uint32_t x = x0; x <= x1; ++x) {
    for (uint32_t y = y0; y <= y1; ++y) {
      if (Cell* cell = FindCell(Key{layer, x, y})) best = std::min(best, FirstInCell(*cell, point, alive));
    }
  }
  return best;
}

}  // namespace dxfelem
