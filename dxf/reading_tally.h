// What one conversion read of a drawing, and what of it made nothing and
// why: counted by the readers as they read, so that what a person is told
// is what the conversion did, not a second reading's guess.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/keyword_table.h"

namespace dxfelem {

// Why an entity that was read makes no element.
enum class LeftOut : uint8_t {
  kKindNotConverted,   // HATCH, DIMENSION, VIEWPORT, ...
  kSplineNotAsked,     // SPLINE without SplineArchi 1
  kSplineNotFollowed,  // detail: why its arcs could not be had
  kMesh,               // a POLYLINE that is a polygon or polyface mesh
  kObliqueExtrusion,   // an extrusion along no axis, without Altezza3D
  kExtrusionNotUnit,   // an extrusion that is not a unit vector: never kept
  kTextsOff,           // Testo 0
  kFontNotLoaded,      // detail: the face asked for
  kMtextChunks,        // an MTEXT of which only the last chunk is drawn
  kBlockNotNamed,      // an INSERT whose block no block table names; detail: the block
  kBlocksExcluded,     // an INSERT with EscludeBlocchi not 0
  kNothingMade,        // its layer is not selected, or it has nothing to draw
  kUnfinished,         // a POLYLINE without its SEQEND
  kBlockTooDeep,       // an INSERT drawn deeper than blocks are drawn; detail: the block
};
inline constexpr std::size_t kLeftOutReasons = 14;

class ReadingTally {
 public:
  // An entity met in the ENTITIES section, by its token; a name without a
  // token (HATCH, VIEWPORT, ...) by its text.
  void Read(Token kind) { ++ofToken_[kind]; }
  void ReadUnnamed(std::string_view name) { Bump(otherKinds_, name); }
  // An entity of `kind` that makes nothing, for `reason`; `detail` tells
  // more where the reason has more to tell.
  void LeaveOut(LeftOut reason, std::string_view kind, std::string_view detail = {});

  // An entity that made elements, by its token; by its name for a kind
  // without one.
  void Made(Token kind) {
    ++madeOfToken_[kind];
    ++madeSoFar_;
  }
  void MadeUnnamed(std::string_view kind) {
    Bump(made_, kind);
    ++madeSoFar_;
  }
  // How many entities were left out so far, for every reason: a reader
  // that left out nothing and built nothing made nothing.
  long LeftOutSoFar() const { return leftOutSoFar_; }
  // How many entities were settled so far, made or left out: a reader that
  // settles its entity itself (an INSERT that draws its block) is not
  // settled again.
  long SettledSoFar() const { return leftOutSoFar_ + madeSoFar_; }

  // The entities a block definition holds (its own, not those of the
  // blocks it inserts) and the blocks its INSERTs name; a block defined
  // twice counts by its last definition.
  void CountBlockEntities(std::string_view block, long entities, std::vector<std::string> inserted);
  // -1 for a block that no definition of the drawing named.
  long EntitiesOfBlock(std::string_view block) const {
    const auto found = blocks_.find(block);
    return found != blocks_.end() ? found->second.entities : -1;
  }
  // The entities an INSERT of the block would draw if blocks were drawn:
  // its own, and those of the blocks it inserts that `named` does not name
  // (16 deep), where an INSERT of a named block is one entity, a call.
  long EntitiesDrawnBy(std::string_view block, const std::function<bool(std::string_view)>& named) const;

  // Every kind read with its count, in the order of the names.
  void ForEachRead(const std::function<void(std::string_view kind, long count)>& visit) const;
  // Every kind that made elements, with the number of its entities that did.
  void ForEachMade(const std::function<void(std::string_view kind, long count)>& visit) const;
  // Every reason with its count: the kind, the reason and its detail.
  void ForEachLeftOut(const std::function<void(LeftOut reason, std::string_view kind, std::string_view detail,
                                               long count)>& visit) const;

 private:
  using Counts = std::map<std::string, long, std::less<>>;
  static void Bump(Counts& counts, std::string_view key);

  std::array<long, 256> ofToken_{};
  std::array<long, 256> madeOfToken_{};
  Counts otherKinds_;
  Counts made_;
  struct BlockEntities {
    long entities = 0;
    std::vector<std::string> inserted;
  };
  std::map<std::string, BlockEntities, std::less<>> blocks_;
  long leftOutSoFar_ = 0;
  long madeSoFar_ = 0;
  // Per reason, keyed by the kind and the detail (joined by a NUL byte).
  std::array<Counts, kLeftOutReasons> leftOut_;
};

// The name of an entity kind that has a token ("LINE" for kTokenLine); "?"
// for a token that names no entity kind.
std::string_view KindName(Token kind);

}  // namespace dxfelem
