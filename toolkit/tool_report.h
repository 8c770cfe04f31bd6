// What a call of the people's API did, in words and figures: the report
// behind the opaque handle of dxfelem_tools.h.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

struct ToolReport {
  bool ok = false;
  int code = 0;          // the status code, or -1 for a call refused before it ran
  std::string message;   // one line: what happened
  std::string file;      // the file the code concerns
  std::vector<std::pair<std::string, int64_t>> read;  // entities read per kind
  std::vector<std::pair<std::string, int64_t>> made;  // entities that made elements, per kind
  std::vector<LeftOutEntry> leftOut;
  std::vector<std::string> warnings;
  std::vector<LayerCount> layers;  // elements and nodes written per layer, in the order of the names
  double value1 = 0.0;  // a rewriting's values: the directions asked for
  double value2 = 0.0;
};

// The tally's kinds and reasons, in words, into the report.
void DescribeReading(const ReadingTally& tally, ToolReport& report);

}  // namespace dxfelem
