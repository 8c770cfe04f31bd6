#include "toolkit/tool_report.h"

#include "dxf/reading_tally.h"
#include "params/process_state.h"

namespace dxfelem {
namespace {

// What was left out, and why, in words.
std::pair<std::string, std::string> Describe(LeftOut reason, std::string_view kind, std::string_view detail) {
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
    case LeftOut::kBlockNotNamed: break;  // told for all blocks at once
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

// The INSERTs of blocks no block table names, told at once: which blocks,
// and how many entities drawing them would give.
void DescribeBlocksNotNamed(const ReadingTally& tally, ToolReport& report) {
  std::vector<std::string> defined;
  std::vector<std::string> undefined;
  long inserts[2] = {0, 0};
  long drawn = 0;
  const auto named = [](std::string_view block) { return IsDefinedBlock(block); };
  tally.ForEachLeftOut([&](LeftOut reason, std::string_view, std::string_view block, long count) {
    if (reason != LeftOut::kBlockNotNamed) return;
    const bool isDefined = tally.EntitiesOfBlock(block) >= 0;
    (isDefined ? defined : undefined).emplace_back(block);
    inserts[isDefined ? 0 : 1] += count;
    if (isDefined) drawn += count * tally.EntitiesDrawnBy(block, named);
  });
  const auto names = [](const std::vector<std::string>& blocks) {
    constexpr std::size_t kNamed = 8;
    std::string text = blocks.size() == 1 ? "block " : "blocks ";
    for (std::size_t i = 0; i < blocks.size() && i < kNamed; ++i) text += (i > 0 ? ", " : "") + blocks[i];
    if (blocks.size() > kNamed) text += " and " + std::to_string(blocks.size() - kNamed) + " more";
    return text;
  };
  if (!defined.empty()) {
    const bool one = defined.size() == 1;
    report.leftOut.push_back({"INSERT",
                              names(defined) + (one ? " is" : " are") +
                                  " not named in McrBlock, SubBlock or OprBlock: the " + std::to_string(drawn) +
                                  " entities " + (one ? "it draws" : "they draw") +
                                  " are left out (EsplodiBlocchi=1 draws them)",
                              inserts[0], "INSERT", true});
  }
  if (!undefined.empty()) {
    report.leftOut.push_back({"INSERT",
                              names(undefined) + (undefined.size() == 1 ? " is" : " are") +
                                  " defined nowhere in the drawing, nor named in McrBlock, SubBlock or OprBlock",
                              inserts[1], "INSERT", true});
  }
}

void DescribeReading(const ReadingTally& tally, ToolReport& report) {
  tally.ForEachRead([&report](std::string_view kind, long count) { report.read.emplace_back(kind, count); });
  tally.ForEachMade([&report](std::string_view kind, long count) { report.made.emplace_back(kind, count); });
  bool blocksTold = false;
  tally.ForEachLeftOut(
      [&report, &tally, &blocksTold](LeftOut reason, std::string_view kind, std::string_view detail, long count) {
        if (reason == LeftOut::kBlockNotNamed) {
          if (!blocksTold) DescribeBlocksNotNamed(tally, report);
          blocksTold = true;
          return;
        }
        auto [what, why] = Describe(reason, kind, detail);
        // Chunks of a drawn MTEXT, and INSERTs within a drawn block, are parts
        // of entities counted otherwise.
        const bool whole = reason != LeftOut::kMtextChunks && reason != LeftOut::kBlockTooDeep;
        report.leftOut.push_back({std::move(what), std::move(why), count, std::string(kind), whole});
      });
}

}  // namespace dxfelem
