#include "toolkit/tool_report.h"

#include "dxf/reading_tally.h"

namespace dxfelem {
namespace {

// What was left out, and why, in words.
std::pair<std::string, std::string> Describe(const ReadingTally& tally, LeftOut reason, std::string_view kind,
                                             std::string_view detail) {
  const std::string name(kind);
  const std::string more(detail);
  switch (reason) {
    case LeftOut::kKindNotConverted: return {name, "this kind is not converted"};
    case LeftOut::kSplineNotAsked: return {name, "this kind is not converted unless SplineArchi is 1"};
    case LeftOut::kSplineNotFollowed: return {name, "cannot be followed by arcs: " + more};
    case LeftOut::kMesh: return {"POLYLINE meshes", "meshes are surfaces: they make nothing"};
    case LeftOut::kObliqueExtrusion: return {name + " with an oblique extrusion", "kept only when Altezza3D is not 0"};
    case LeftOut::kExtrusionNotUnit:
      return {name + " with an extrusion that is not a unit vector", "such an entity is never kept"};
    case LeftOut::kTextsOff: return {name, "Testo is 0"};
    case LeftOut::kFontNotLoaded: return {name, "its font (" + more + ") could not be loaded"};
    case LeftOut::kMtextChunks:
      return {"MTEXT with its text in chunks",
              "only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not"};
    case LeftOut::kBlockNotNamed: {
      const long inside = tally.EntitiesOfBlock(detail);
      const std::string held = inside < 0 ? std::string(" (the drawing does not define it)")
                                          : " (" + std::to_string(inside) + " entities inside)";
      return {"INSERT of block " + more + held,
              "no block table names it (McrBlock, SubBlock, OprBlock): blocks are not drawn"};
    }
    case LeftOut::kBlocksExcluded: return {name, "EscludeBlocchi is not 0"};
    case LeftOut::kNothingMade:
      return {name, "made nothing: its layer is not selected (YesLayer, NoLayer), or it has nothing to draw"};
    case LeftOut::kUnfinished: return {name, "no SEQEND ends it: its vertices are dropped"};
    case LeftOut::kBlockTooDeep:
      return {"INSERT of block " + more,
              "it lies deeper than 16 blocks within blocks (a block that inserts itself): "
              "the deeper ones are not drawn"};
  }
  return {name, "left out"};
}

}  // namespace

void DescribeReading(const ReadingTally& tally, ToolReport& report) {
  tally.ForEachRead([&report](std::string_view kind, long count) { report.read.emplace_back(kind, count); });
  tally.ForEachMade([&report](std::string_view kind, long count) { report.made.emplace_back(kind, count); });
  tally.ForEachLeftOut([&report, &tally](LeftOut reason, std::string_view kind, std::string_view detail, long count) {
    auto [what, why] = Describe(tally, reason, kind, detail);
    // Chunks of a drawn MTEXT, and INSERTs within a drawn block, are parts
    // of entities counted otherwise.
    const bool whole = reason != LeftOut::kMtextChunks && reason != LeftOut::kBlockTooDeep;
    report.leftOut.push_back({std::move(what), std::move(why), count, std::string(kind), whole});
  });
}

}  // namespace dxfelem
