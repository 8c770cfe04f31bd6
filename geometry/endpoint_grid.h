// An index over the end points of a drawing's pieces: which piece, earliest
// in the drawing's order, has an end within a distance of a point. It lets
// the chaining find the piece its scan of the list would find first
// without scanning the list.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "geometry/point3.h"

namespace dxfelem {

// Where the grid reads the two ends of a piece when it checks a candidate.
// The grid keeps no copy of them: a drawing's pieces already hold them, and
// millions of copies would cost more memory than the pieces' own nodes.
class PieceEnds {
 public:
  virtual ~PieceEnds() = default;
  virtual Point3 Start(uint32_t sequence) const = 0;
  virtual Point3 End(uint32_t sequence) const = 0;
};

class EndpointGrid {
 public:
  static constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

  // Cells are four times the tolerance, so that a query looks at no more
  // than 2 x 2 cells (3 x 3 where rounding reaches over an edge), and never so
  // small that the rounding of the largest |x| or |y| of any point added or
  // covered reaches past a neighbouring cell. The size does not follow the
  // drawing's extent: one entity far away must not put every other end
  // point into one cell. `pieces` is about how many will be added: the grid
  // takes room for them once. `layers[sequence]` is the layer of each piece.
  EndpointGrid(double tolerance, std::size_t pieces, const std::vector<uint32_t>& layers, const PieceEnds& ends);

  // Enters the two ends of a piece. Pieces must be added in increasing
  // sequence numbers. A piece's ends may be turned round later: a candidate
  // is checked at both its ends.
  void Add(uint32_t sequence);
  // Makes the cells large enough for a point that will be asked about
  // without being an end of a piece added.
  void Cover(const Point3& point) { largest_ = std::max({largest_, std::fabs(point.x), std::fabs(point.y)}); }
  // Sorts the entries into their cells, after the last Add() and before the
  // first query, while every piece still has the ends it was added with.
  void Seal();
  // The smallest live sequence number of the layer with an end whose 3D
  // distance to `point` is at most the tolerance; kNone when there is none.
  // `alive[sequence]` tells which entries still count. `point` is an end
  // of a piece added or a point covered; `ownPiece` names the piece when
  // `point` is one of its ends as it was added.
  uint32_t FirstWithin(uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive,
                       uint32_t ownPiece = kNone);

 private:
  // An entry is its cell's key in the high half and its piece's sequence
  // number in the low half: sorted as plain numbers, a cell's entries lie
  // together in increasing sequence numbers. A cell's key is its two 64-bit
  // indices and the layer folded into 32 bits: cells that fold alike are
  // searched as one, which costs a few tests and changes no answer (a
  // candidate's own layer is checked).
  using Entry = uint64_t;
  static uint32_t KeyOf(Entry entry) { return static_cast<uint32_t>(entry >> 32); }
  static uint32_t SequenceOf(Entry entry) { return static_cast<uint32_t>(entry); }
  // What a compacted cell leaves behind it: its key, and no piece.
  static constexpr uint32_t kDeadEntry = kNone;
  static constexpr uint32_t kEmptySlot = kNone;

  void AddEntry(uint32_t sequence, const Point3& point);
  double CellSizeFor(double largest) const;
  int64_t CellIndex(double coordinate) const;
  static uint32_t KeyOf(int64_t x, int64_t y, uint32_t layer);
  // The bit of the occupancy filter a key stands on.
  std::size_t FilterBit(uint32_t key) const { return (key * 0x9E3779B1u) >> filterShift_; }
  uint32_t FirstInCell(uint32_t& slot, uint32_t layer, const Point3& point, const std::vector<uint8_t>& alive);
  // The slot of the cell with this key; null when no cell has it.
  uint32_t* FindCell(uint32_t key);

  double tolerance_;
  double cellSize_;
  double largest_ = 0.0;  // of every |x| and |y| added or covered
  const std::vector<uint32_t>& layers_;
  const PieceEnds& ends_;
  std::vector<Entry> entries_;
  // By piece: how many of its ends lie in cells holding no other piece's.
  std::vector<uint8_t> ownEnds_;
  // An open-addressed table of the cells: each slot holds the position in
  // entries_ of its cell's first entry not known to be dead (kEmptySlot
  // where no cell is). A power of two of them.
  std::vector<uint32_t> slots_;
  // One bit per key hash, set where some cell is: most queries ask about
  // empty cells, and this answers them from a table small enough to stay in
  // the cache.
  std::vector<uint64_t> filter_;
  unsigned filterShift_ = 32;
};

// The distance the chaining compares with its tolerance.
inline double ChainDistance(const Point3& a, const Point3& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  const double dz = a.z - b.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace dxfelem
