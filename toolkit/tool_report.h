// What a call of the people's API did, in words and figures: the report
// behind the opaque handle of dxfelem_tools.h.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "check/check_finding.h"

namespace dxfelem {

class ReadingTally;

struct LeftOutEntry {
  std::string what;
  std::string why;
  int64_t count = 0;
  std::string kind;   // the entities' kind
  bool whole = true;  // false: the entities made elements, and only a part of them is left out
};

struct LayerCount {
  std::string layer;
  int64_t elements = 0;
  int64_t nodes = 0;
};

// What a reading in strict pairs found in a drawing.
struct DrawingFacts {
  std::string problem;   // where the reading broke, "line N: ..."; "" when it did not
  std::string version;   // $ACADVER
  int insUnits = -1;     // -1 when absent
  int measurement = -1;  // -1 when absent
  bool hasExtents = false;
  double extents[4] = {0, 0, 0, 0};
  std::vector<std::string> tableLayers;  // the LAYER table, in order
  struct Block {
    std::string name;
    bool defined = true;  // false: inserted, but the drawing defines no such block
    int64_t inserts = 0;
  };
  std::vector<Block> blocks;
  struct KindOnLayer {
    std::string layer;
    std::string kind;
    int64_t count = 0;
  };
  std::vector<KindOnLayer> kindsOnLayers;  // by layer, then kind
  struct LayerLeftOut {
    std::string layer;
    LeftOutEntry entry;
  };
  std::vector<LayerLeftOut> leftOutOnLayers;  // by layer
};

struct ToolReport {
  bool ok = false;
  int code = 0;                                       // the status code, or -1 for a call refused before it ran
  std::string message;                                // one line: what happened
  std::string file;                                   // the file the code concerns
  std::vector<std::pair<std::string, int64_t>> read;  // entities read per kind
  std::vector<std::pair<std::string, int64_t>> made;  // entities that made elements, per kind
  std::vector<LeftOutEntry> leftOut;
  std::vector<std::string> warnings;
  std::vector<LayerCount> layers;  // elements and nodes written per layer, in the order of the names
  double value1 = 0.0;             // a rewriting's values: the directions asked for
  double value2 = 0.0;
  DrawingFacts facts;                // dxfelem_survey's
  std::string text;                  // a document asked for without a file: a picture, a DXF
  CheckResult check;                 // dxfelem_check's findings
  mutable std::string findingWords;  // the last finding asked for in words
};

// The tally's kinds and reasons, in words, into the report.
void DescribeReading(const ReadingTally& tally, ToolReport& report);

}  // namespace dxfelem
