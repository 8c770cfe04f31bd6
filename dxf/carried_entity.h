// One entity of a block, carried by an INSERT into the drawing: written
// again as DXF group pairs in drawing coordinates, as a CAD program writes
// the entity when it explodes the INSERT, so that the entity pass reads it
// exactly as it reads the drawing's own entities. Points and directions
// follow the map; radii, heights and widths its scales; a mirror turns arcs
// and bulges the other way; where the map scales a circle's plane unevenly,
// circles and arcs become ellipses, and the bulges of a polyline its
// elliptical arcs (the polyline then falls into LINEs and ELLIPSEs).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "dxf/block_contents.h"
#include "geometry/affine_map.h"

namespace dxfelem {

// Writes the entity of `pairs` (from its "0" pair; a POLYLINE with its
// VERTEXes and SEQEND) carried by `map` into `out`. An entity on layer 0,
// or without a layer, takes `layer0` when that is not empty. Kinds without
// geometry to carry (HATCH, DIMENSION, ATTDEF, ...) are written as they are.
void WriteCarriedEntity(std::span<const GroupPair> pairs, const AffineMap& map, std::string_view layer0,
                        std::string& out);

// The uppercase kind of an entity's "0" pair value.
std::string EntityKindOf(std::string_view value);

}  // namespace dxfelem
