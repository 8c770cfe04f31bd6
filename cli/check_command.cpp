// dxfelem check: what a machine would meet in the converted drawing, found
// by the library; printed per layer, then one line per kind of finding.
// A drawing may have millions of findings: the words are asked for only
// for the lines printed, and the JSON goes out finding by finding.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/json_document.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {
namespace {

// Lines per layer and kind unless --all: enough to find the places, short
// enough to read.
constexpr long kLinesPerKind = 20;

// Counts by name, the findings coming in runs of one kind: the name is
// looked up again only when it changes.
class Tally {
 public:
  long& operator[](const char* name) {
    if (last_ == nullptr || std::strcmp(name, lastName_.c_str()) != 0) {
      lastName_ = name;
      last_ = &counts_[lastName_];
    }
    return *last_;
  }
  const std::map<std::string, long>& Counts() const { return counts_; }

 private:
  std::map<std::string, long> counts_;
  std::string lastName_;
  long* last_ = nullptr;
};

void PrintJson(const dxfelem_report* found, const std::string& dxf, const std::map<std::string, long>& perKind) {
  std::string out = "{\n  \"drawing\": " + Json(Utf8Text(dxf)).dump() + ",\n  \"findings\": [";
  const std::size_t count = dxfelem_report_finding_count(found);
  for (std::size_t i = 0; i < count; ++i) {
    Json finding;
    finding["kind"] = dxfelem_report_finding_kind(found, i);
    finding["layer"] = Utf8Text(dxfelem_report_finding_layer(found, i));
    finding["text"] = Utf8Text(dxfelem_report_finding_text(found, i));
    finding["x"] = dxfelem_report_finding_value(found, i, 1);
    finding["y"] = dxfelem_report_finding_value(found, i, 2);
    finding["figure"] = dxfelem_report_finding_value(found, i, 3);
    out += (i == 0 ? "\n    " : ",\n    ") + finding.dump();
    if (out.size() > (1u << 20)) {
      PrintData(out);
      out.clear();
    }
  }
  Json counts = Json::object();
  for (const auto& [kind, number] : perKind) counts[kind] = number;
  out += std::string(count == 0 ? "]" : "\n  ]") + ",\n  \"counts\": " + counts.dump() + "\n}\n";
  PrintData(out);
}

void PrintText(const dxfelem_report* found, bool all, const std::map<std::string, long>& perKind) {
  // The findings of each layer, the layers by name.
  std::map<std::string, std::vector<std::size_t>> perLayer;
  std::vector<std::size_t>* last = nullptr;
  const char* lastLayer = nullptr;
  const std::size_t count = dxfelem_report_finding_count(found);
  for (std::size_t i = 0; i < count; ++i) {
    const char* layer = dxfelem_report_finding_layer(found, i);
    if (last == nullptr || std::strcmp(layer, lastLayer) != 0) {
      last = &perLayer[*layer == '\0' ? "(the drawing)" : layer];
      lastLayer = layer;
    }
    last->push_back(i);
  }
  std::string out;
  for (const auto& [layer, indices] : perLayer) {
    // A layer's findings kind by kind, in the order the kinds first come
    // (a handful of kinds: a look along them is enough).
    std::vector<std::pair<std::string, std::vector<std::size_t>>> byKind;
    std::size_t current = 0;
    for (const std::size_t i : indices) {
      const char* kind = dxfelem_report_finding_kind(found, i);
      if (byKind.empty() || byKind[current].first != kind) {
        const auto same = std::find_if(byKind.begin(), byKind.end(), [kind](const auto& k) { return k.first == kind; });
        current = static_cast<std::size_t>(same - byKind.begin());
        if (same == byKind.end()) byKind.push_back({kind, {}});
      }
      byKind[current].second.push_back(i);
    }
    out += layer + "\n";
    for (const auto& [kind, ofKind] : byKind) {
      const std::size_t shown = all ? ofKind.size() : std::min<std::size_t>(ofKind.size(), kLinesPerKind);
      for (std::size_t k = 0; k < shown; ++k) {
        out += "  " + kind + ": " + dxfelem_report_finding_text(found, ofKind[k]) + "\n";
        if (out.size() > (1u << 20)) {
          PrintData(out);
          out.clear();
        }
      }
      if (shown < ofKind.size()) {
        out += "  " + kind + ": " + std::to_string(ofKind.size() - shown) + " more on this layer (--all lists them)\n";
      }
    }
  }
  for (const auto& [kind, number] : perKind) out += std::to_string(number) + " " + kind + "\n";
  if (perKind.empty()) out += "nothing found\n";
  PrintData(out);
}

}  // namespace

int RunCheck(const Options& options) {
  const std::string& dxf = options.files[0];
  const Settings settings = FileSettings(options.parameterFile, options.section);
  const Report report(dxfelem_check(dxf.c_str(), settings.get(), options.minLength, options.preview.c_str()));
  if (!report || dxfelem_report_ok(report.get()) != 1) {
    Tell(report ? dxfelem_report_message(report.get()) : "no memory to check " + dxf);
    return kExitFailed;
  }
  for (std::size_t i = 0; i < dxfelem_report_warning_count(report.get()); ++i) {
    Warn(dxfelem_report_warning(report.get(), i));
  }
  const dxfelem_report* found = report.get();
  Tally tally;
  for (std::size_t i = 0; i < dxfelem_report_finding_count(found); ++i) ++tally[dxfelem_report_finding_kind(found, i)];
  // Advice is not a fault of the drawing.
  std::map<std::string, long> perKind = tally.Counts();
  perKind.erase("advice");
  if (options.json) {
    PrintJson(found, dxf, perKind);
  } else {
    PrintText(found, options.all, perKind);
  }
  Tell(dxfelem_report_message(report.get()));
  return FinishOutput(perKind.empty() ? kExitSuccess : kExitFound);
}

}  // namespace dxfelem::cli
