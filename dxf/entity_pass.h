// The pass over the ENTITIES section, one reader per entity kind.
#pragma once

#include <string>
#include <string_view>

namespace dxfelem {

struct EntityContext;
class DxfLineReader;

// Starts on the line after "ENTITIES" and ends at "ENDSEC", "ENDBLK", "EOF"
// or "EOFILE". False when a reader fails, or when the file ends before
// any of those lines: a drawing cut off inside its entities is not
// converted in part, since a machine must not cut half a drawing.
bool ReadEntities(EntityContext& context, DxfLineReader& reader);

// Whether the pass turns entities of this kind (named as a drawing names
// it) into elements at all: a kind with a reader that is not passed over.
// SPLINE is not: only SplineArchi makes it one.
bool IsConvertedKindName(std::string_view kind);

// Where the block listing's pass puts the block name of every INSERT.
class BlockList {
 public:
  virtual ~BlockList() = default;
  virtual void Add(const std::string& blockName) = 0;
};

// The pass of the block listing: ELLIPSE and MTEXT are no entity kinds to
// it, and every INSERT's block name goes to the list, selected or not.
bool ReadEntitiesListingBlocks(EntityContext& context, DxfLineReader& reader, BlockList& list);

}  // namespace dxfelem
