#include "dxf/block_drawing.h"

#include <span>
#include <utility>

#include "dxf/carried_entity.h"
#include "dxf/dxf_line_reader.h"
#include "dxf/entity_context.h"
#include "dxf/entity_pass.h"
#include "params/process_state.h"
#include "platform/c_number_text.h"
#include "platform/text_input_file.h"
#include "platform/user_message.h"

namespace dxfelem {
namespace {

// The carried entities go through the pass in batches of about this size.
constexpr std::size_t kBatchBytes = 1 << 20;

// The map of one place of the INSERT: minus the base point, the scales, the
// rotation, plus the insertion point (and the place's offset in the array,
// along the rotated axes), then the plane of the INSERT's extrusion.
AffineMap PlaceMap(const BlockPlacement& placement, const Point3& base, int column, int row) {
  AffineMap map = Then(Shift(-1.0 * base), Scale(placement.scale));
  const AffineMap turn = RotationZ(placement.rotation);
  map = Then(map, turn);
  const Point3 offset = turn.ApplyVector({column * placement.columnSpacing, row * placement.rowSpacing, 0.0});
  map = Then(map, Shift(placement.insertion + offset));
  const Point3 n = Unit(placement.extrusion);
  return Then(map, PlaneToDrawing(Length(n) > 0.0 ? n : Point3{0.0, 0.0, 1.0}));
}

// What a nested INSERT's groups say.
BlockPlacement NestedPlacement(std::span<const GroupPair> pairs, std::string& block) {
  BlockPlacement placement;
  for (const GroupPair& pair : pairs.subspan(1)) {
    const double value = ParseDouble(pair.value);
    switch (pair.code) {
      case 2: block = pair.value; break;
      case 8: placement.layer = pair.value; break;
      case 10: placement.insertion.x = value; break;
      case 20: placement.insertion.y = value; break;
      case 30: placement.insertion.z = value; break;
      case 41: placement.scale.x = value; break;
      case 42: placement.scale.y = value; break;
      case 43: placement.scale.z = value; break;
      case 50: placement.rotation = value; break;
      case 70: placement.columns = ParseInt(pair.value); break;
      case 71: placement.rows = ParseInt(pair.value); break;
      case 44: placement.columnSpacing = value; break;
      case 45: placement.rowSpacing = value; break;
      case 210: placement.extrusion.x = value; break;
      case 220: placement.extrusion.y = value; break;
      case 230: placement.extrusion.z = value; break;
      default: break;
    }
  }
  return placement;
}

class BlockDrawer {
 public:
  explicit BlockDrawer(EntityContext& context) : context_(context) {}

  bool Draw(const BlockContent& block, const BlockPlacement& placement, std::string_view layer0, int depth) {
    // An entity on layer 0 takes the layer of the innermost INSERT not on 0.
    const std::string_view layer = placement.layer.empty() || placement.layer == "0" ? layer0 : placement.layer;
    const int columns = placement.columns > 1 ? placement.columns : 1;
    const int rows = placement.rows > 1 ? placement.rows : 1;
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        if (!Take(kPlaceBytes) || !DrawPlace(block, PlaceMap(placement, block.base, column, row), layer, depth)) {
          return false;
        }
      }
    }
    return true;
  }

  bool Finish() { return Flush(); }

 private:
  bool DrawPlace(const BlockContent& block, const AffineMap& map, std::string_view layer0, int depth) {
    const std::span<const GroupPair> pairs(block.pairs);
    std::size_t at = 0;
    while (at < pairs.size()) {
      const std::size_t end = EntityEnd(pairs, at);
      const std::span<const GroupPair> entity = pairs.subspan(at, end - at);
      at = end;
      if (EntityKindOf(entity[0].value) == "INSERT" && !DrawNested(entity, map, layer0, depth)) return false;
      if (EntityKindOf(entity[0].value) == "INSERT") continue;
      if (!Carry(entity, map, layer0)) return false;
      if (text_.size() >= kBatchBytes && !Flush()) return false;
    }
    return true;
  }

  // A nested INSERT: its block drawn, or a call where the tables name it.
  bool DrawNested(std::span<const GroupPair> entity, const AffineMap& map, std::string_view layer0, int depth) {
    std::string name;
    BlockPlacement nested = NestedPlacement(entity, name);
    const BlockContent* inner = IsDefinedBlock(name) ? nullptr : context_.reading.blockContents->Find(name);
    if (inner == nullptr) return Carry(entity, map, layer0);
    if (depth + 1 >= kDeepestBlock) {
      context_.reading.tally.LeaveOut(LeftOut::kBlockTooDeep, "INSERT", name);
      return true;
    }
    // The nested INSERT's own map, then the outer one.
    const std::string_view layer =
        nested.layer.empty() || nested.layer == "0" ? layer0 : std::string_view(nested.layer);
    const int columns = nested.columns > 1 ? nested.columns : 1;
    const int rows = nested.rows > 1 ? nested.rows : 1;
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        if (!Take(kPlaceBytes) ||
            !DrawPlace(*inner, Then(PlaceMap(nested, inner->base, column, row), map), layer, depth + 1)) {
          return false;
        }
      }
    }
    return true;
  }

  // From the "0" pair at `at` to the next entity's: a POLYLINE with its
  // VERTEXes and SEQEND.
  static std::size_t EntityEnd(std::span<const GroupPair> pairs, std::size_t at) {
    const bool polyline = EntityKindOf(pairs[at].value) == "POLYLINE";
    std::size_t end = at + 1;
    while (end < pairs.size()) {
      if (pairs[end].code == 0) {
        const std::string kind = EntityKindOf(pairs[end].value);
        if (!polyline || (kind != "VERTEX" && kind != "SEQEND")) break;
        if (kind == "SEQEND") {
          ++end;
          while (end < pairs.size() && pairs[end].code != 0) ++end;
          break;
        }
      }
      ++end;
    }
    return end;
  }

  // The entity carried by the map into the text for the pass, its bytes
  // counted against what a conversion takes.
  bool Carry(std::span<const GroupPair> entity, const AffineMap& map, std::string_view layer0) {
    const std::size_t before = text_.size();
    WriteCarriedEntity(entity, map, layer0, text_);
    return Take(text_.size() - before);
  }

  // `bytes` more drawn, within what a conversion takes.
  bool Take(std::size_t bytes) {
    std::size_t& left = context_.reading.drawnBytesLeft;
    if (bytes > left) {
      ShowUserMessage("dxfelem",
                      "the blocks of this drawing draw more entities than a conversion takes: draw fewer of them "
                      "(EsplodiBlocchi=0 keeps them as blocks)");
      return false;
    }
    left -= bytes;
    return true;
  }

  // The entities written so far, through the entity pass.
  bool Flush() {
    if (text_.empty()) return true;
    text_ += "0\nENDSEC\n";
    TextInputFile file;
    file.OpenText(text_);
    text_.clear();
    DxfLineReader reader(file);
    // The pass over the drawing goes on after this one: what it holds is kept.
    DxfReadingState& reading = context_.reading;
    std::unique_ptr<PolylineRecord> open = std::move(reading.openPolyline);
    const std::string block = reading.lastInsertBlock;
    const std::string layer = reading.lastInsertLayer;
    const std::string_view kind = reading.entityKind;
    const bool read = ReadEntities(context_, reader);
    reading.openPolyline = std::move(open);
    reading.lastInsertBlock = block;
    reading.lastInsertLayer = layer;
    reading.entityKind = kind;
    return read;
  }

  EntityContext& context_;
  std::string text_;
};

}  // namespace

bool DrawBlock(EntityContext& context, const BlockContent& block, const BlockPlacement& placement) {
  BlockDrawer drawer(context);
  return drawer.Draw(block, placement, {}, 0) && drawer.Finish();
}

}  // namespace dxfelem
