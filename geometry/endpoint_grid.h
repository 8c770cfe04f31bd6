// An index over the end points of a drawing's pieces: which piece, earliest
// in the drawing's order, has an end within a distance of a point. It lets
// the chaining find the piece its scan of the list would find first
// without scanning the list.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "geometry/point3.h"

namespace dxfelem {

class EndpointGrid {
 public:
  static constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

  // Cells are twice the tolerance, so that a query looks at no more than
  // 2 x 2 cells (3 x 3 where rounding reaches over an edge), and never so
  // small that the rounding of `largestCoordinate` (the largest |x| or |y|
  // of any point added or asked about) reaches past a neighbouring cell.
  // The size does not follow the drawing's extent: one entity far away must
  // not put every other end point into one cell. `entries` is how many will
  // be added: the grid takes that much room once. `layers[sequence]` is the
  // layer of each entry's piece.
  EndpointGrid(double largestCoordinate, double tolerance, std::size_t entries, const std::vector<uint32_t>& layers);

  // Entries must be added in increasing sequence numbers, all of them
  // before the first query.
  void Add(uint32_t sequence, const Point3& point);
  // The smallest live sequence number of the layer with an entry whose 3D
  // distance to `point` is at most the tolerance; kNone when there is none.
  // `alive[sequence]` tells which entries still count.
  uint32_t FirstWithin(uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive);

 private:
  // A cell of a layer, its two 64-bit indices and the layer folded into 32
  // bits: cells that fold alike are searched as one, which costs a few
  // tests and changes no answer (an entry's own layer is checked).
  struct Entry {
    uint32_t key;
    uint32_t sequence;
    Point3 point;
  };
  // A cell's entries lie together in entries_, in increasing sequence
  // numbers. The cells lie in cells_, one per key that holds entries, found
  // through an open-addressed table of their numbers.
  struct Cell {
    uint32_t key;
    uint32_t front;  // entries before it are all dead
    uint32_t end;
  };
  static constexpr uint32_t kEmptySlot = std::numeric_limits<uint32_t>::max();

  int64_t CellIndex(double coordinate) const;
  static uint32_t KeyOf(int64_t x, int64_t y, uint32_t layer);
  uint32_t FirstInCell(Cell& cell, uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive);
  Cell* FindCell(uint32_t key);
  // Sorts the entries into their cells before the first query.
  void Seal();

  double tolerance_;
  double cellSize_;
  const std::vector<uint32_t>& layers_;
  std::vector<Entry> entries_;
  std::vector<Cell> cells_;
  std::vector<uint32_t> slots_;  // a power of two of them; kEmptySlot where no cell is
  bool sealed_ = false;
};

// The distance the chaining compares with its tolerance.
inline double ChainDistance(const Point3& a, const Point3& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  const double dz = a.z - b.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace dxfelem
