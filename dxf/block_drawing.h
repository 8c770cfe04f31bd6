// An INSERT that draws its block (EsplodiBlocchi 1): the block's entities,
// carried to where the INSERT places them (every place of an array), go
// through the entity pass as the drawing's own entities do, numbered and
// written where the INSERT stands. A nested INSERT of a block the tables do
// not name draws its block too; one they name stays a call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "dxf/block_contents.h"
#include "geometry/point3.h"

namespace dxfelem {

struct EntityContext;

// What the INSERT reader read of the INSERT that places the block.
struct BlockPlacement {
  std::string layer;  // as read, before a face name is added
  Point3 insertion;
  Point3 scale{1.0, 1.0, 1.0};
  double rotation = 0.0;  // degrees
  Point3 extrusion{0.0, 0.0, 1.0};
  int columns = 1;
  int rows = 1;
  double columnSpacing = 0.0;
  double rowSpacing = 0.0;
};

// A block inserted within itself is drawn this deep, and no deeper.
inline constexpr int kDeepestBlock = 16;

// What the drawn blocks of one drawing may carry, in bytes of the groups
// written for their entities (every place of an array counts as
// kPlaceBytes, so that an array of an empty block ends too): sixty-four
// times the drawing, and never less than 64 MiB (a million LINEs, about a
// second). A drawing of INSERTs of 80 bytes that each draw a block of a
// dozen entities carries sixteen times its size; detailed blocks more.
// Bytes, not entities: a block of one polyline of 5000 vertices in an array
// of a million places is one entity a place, and five billion nodes. The
// fuzzing build keeps 1 MiB, to stay within its time for one input.
#ifdef DXFELEM_FUZZING
inline constexpr std::size_t kLeastDrawnBytes = std::size_t{1} << 20;
#else
inline constexpr std::size_t kLeastDrawnBytes = std::size_t{64} << 20;
#endif
inline constexpr std::size_t kDrawnBytesPerByte = 64;
inline constexpr std::size_t kPlaceBytes = 64;
inline std::size_t DrawnBytesBudget(unsigned long long drawingBytes) {
  const unsigned long long most = SIZE_MAX / kDrawnBytesPerByte;
  const std::size_t bytes = static_cast<std::size_t>(drawingBytes < most ? drawingBytes : most) * kDrawnBytesPerByte;
  return bytes > kLeastDrawnBytes ? bytes : kLeastDrawnBytes;
}

// False when the drawing cannot go on: the entity pass failed on what the
// block draws, or the drawing's blocks draw more than a conversion takes.
bool DrawBlock(EntityContext& context, const BlockContent& block, const BlockPlacement& placement);

}  // namespace dxfelem
