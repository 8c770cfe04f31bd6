#include "toolkit/tool_report.h"

#include "dxf/reading_tally.h"

namespace dxfelem {
namespace {

LeftOutEntry Describe(LeftOut reason, std::string_view kind, std::string_view detail, int64_t count) {
  const std::string name(kind);
  const std::string more(detail);
  switch (reason) {
    case LeftOut::kKindNotConverted: return {name, "this kind is not converted", count};
    case LeftOut::kSplineNotAsked: return {name, "this kind is not converted unless SplineArchi is 1", count};
    case LeftOut::kSplineNotFollowed: return {name, "cannot be followed by arcs: " + more, count};
    case LeftOut::kMesh: return {"POLYLINE meshes", "meshes are surfaces: they make nothing", count};
    case LeftOut::kObliqueExtrusion:
      return {name + " with an oblique extrusion", "kept only when Altezza3D is not 0", count};
    case LeftOut::kTextsOff: return {name, "Testo is 0", count};
    case LeftOut::kFontNotLoaded: return {name, "its font (" + more + ") could not be loaded", count};
    case LeftOut::kMtextChunks:
      return {"MTEXT with its text in chunks",
              "only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not", count};
    case LeftOut::kBlockNotNamed:
      return {"INSERT of block " + more,
              "no block table names it (McrBlock, SubBlock, OprBlock): blocks are not drawn", count};
    case LeftOut::kBlocksExcluded: return {name, "EscludeBlocchi is not 0", count};
  }
  return {name, "left out", count};
}

}  // namespace

void DescribeReading(const ReadingTally& tally, ToolReport& report) {
  tally.ForEachRead([&report](std::string_view kind, long count) { report.read.emplace_back(kind, count); });
  tally.ForEachLeftOut([&report](LeftOut reason, std::string_view kind, std::string_view detail, long count) {
    report.leftOut.push_back(Describe(reason, kind, detail, count));
  });
}

}  // namespace dxfelem
