// dxfelem_survey: what a drawing holds, read in strict pairs, and per layer
// what a conversion with the settings leaves out for the entities' kind or
// groups alone.
#include <algorithm>

#include "dxf/drawing_overview.h"
#include "dxf/entity_pass.h"
#include "params/parameter_file.h"
#include "params/parameter_record.h"
#include "toolkit/api_objects.h"
#include "toolkit/document_delivery.h"
#include "toolkit/file_guards.h"

namespace {

// The settings a layer's left-out entities depend on, read by the
// conversion's rules for these keys.
// The settings that decide what is left out, as a conversion reads them.
dxfelem::ParameterRecord ReadLeaving(const dxfelem::ProfileFile& file, const std::string& section) {
  dxfelem::ParameterRecord settings;
  dxfelem::ReadLeavingSettings(file, section, settings);
  return settings;
}

// The words are the conversion's own (the reasons of its report).
std::vector<dxfelem::LeftOutEntry> LeftOutOf(const dxfelem::EntityTally& tally,
                                             const dxfelem::ParameterRecord& settings) {
  std::vector<dxfelem::LeftOutEntry> entries;
  for (const auto& [kind, count] : tally.kinds) {
    if (kind == "SPLINE" && settings.SplineArchi == 1) continue;
    if (kind == "SPLINE") entries.push_back({kind, "this kind is not converted unless SplineArchi is 1", count, kind});
    else if (!dxfelem::IsConvertedKindName(kind)) entries.push_back({kind, "this kind is not converted", count, kind});
  }
  for (const auto& [problem, count] : tally.splineProblems) {
    entries.push_back({"SPLINE", "cannot be followed by arcs: " + problem, count, "SPLINE"});
  }
  if (tally.meshes > 0) {
    entries.push_back({"POLYLINE meshes", "meshes are surfaces: they make nothing", tally.meshes, "POLYLINE"});
  }
  if (tally.oblique > 0 && settings.Altezza3D == 0) {
    entries.push_back({"entities with an oblique extrusion", "kept only when Altezza3D is not 0", tally.oblique, ""});
  }
  if (tally.texts > 0 && settings.Testo == 0) entries.push_back({"TEXT and MTEXT", "Testo is 0", tally.texts, ""});
  // The hosts draw the last chunk of a long MTEXT alone; so does the library.
  if (tally.chunkedTexts > 0 && settings.Testo != 0) {
    entries.push_back({"MTEXT with its text in chunks",
                       "only the last chunk (group 1) is drawn, as on the hosts; the text before it (group 3) is not",
                       tally.chunkedTexts, "MTEXT", false});
  }
  return entries;
}

// The blocks a user places: the definitions but the drawing's own spaces
// ("*Model_Space", "$PAPER_SPACE", anonymous "*D1"), then the blocks
// inserted without a definition, each with its INSERTs.
void ListBlocks(const dxfelem::DrawingOverview& overview, dxfelem::DrawingFacts& facts) {
  const auto insertsOf = [&overview](const std::string& block) {
    const auto found = overview.insertsOfBlock.find(block);
    return found != overview.insertsOfBlock.end() ? found->second : 0L;
  };
  const auto listed = [&facts](const std::string& block) {
    return std::any_of(facts.blocks.begin(), facts.blocks.end(),
                       [&block](const dxfelem::DrawingFacts::Block& entry) { return entry.name == block; });
  };
  for (const std::string& block : overview.blocks) {
    if (block.empty() || block[0] == '*' || block[0] == '$' || listed(block)) continue;
    facts.blocks.push_back({block, true, insertsOf(block)});
  }
  for (const auto& [block, count] : overview.insertsOfBlock) {
    if (listed(block)) continue;
    const bool defined = std::find(overview.blocks.begin(), overview.blocks.end(), block) != overview.blocks.end();
    facts.blocks.push_back({block, defined, count});
  }
}

void Describe(const dxfelem::DrawingOverview& overview, const dxfelem::ParameterRecord& settings,
              dxfelem::DrawingFacts& facts) {
  facts.problem = overview.problem;
  facts.version = overview.version;
  facts.insUnits = overview.insUnits;
  facts.measurement = overview.measurement;
  facts.hasExtents = overview.hasExtents;
  std::copy(std::begin(overview.extents), std::end(overview.extents), std::begin(facts.extents));
  facts.tableLayers = overview.layers;
  ListBlocks(overview, facts);
  for (const auto& [layer, tally] : overview.ofLayer) {
    for (const auto& [kind, count] : tally.kinds) facts.kindsOnLayers.push_back({layer, kind, count});
    for (dxfelem::LeftOutEntry& entry : LeftOutOf(tally, settings)) {
      facts.leftOutOnLayers.push_back({layer, std::move(entry)});
    }
  }
}

// False, with the report saying why, for a drawing that is no text to read.
bool Readable(const dxfelem::DrawingOverview& overview, const std::string& dxfFile, dxfelem::ToolReport& report) {
  if (overview.readable && !overview.binary) return true;
  report.file = dxfFile;
  report.code = overview.binary ? DXFELEM_E_NOT_DXF : DXFELEM_E_FILE;
  report.message =
      overview.binary ? dxfFile + " is a binary DXF: only DXF in text form is read; save it as DXF in text form (ASCII)"
                      : "cannot read " + dxfFile;
  return false;
}

void WarnOfBreak(const dxfelem::DrawingOverview& overview, const std::string& dxfFile, dxfelem::ToolReport& report) {
  if (!overview.problem.empty()) {
    report.warnings.push_back(dxfFile + ": " + overview.problem + "; what follows it was not read");
  }
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_survey(const char* dxf, const dxfelem_settings* settings) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::optional<dxfelem::ProfileFile> file = dxfelem_settings::OpenToRead(settings, report);
        if (!file) return;
        const dxfelem::ParameterRecord leaving =
            ReadLeaving(*file, settings != nullptr ? settings->Section() : std::string());
        const dxfelem::DrawingOverview overview =
            dxfelem::ReadDrawingOverview(dxfFile, leaving.SplineArchi == 1 ? leaving.SplineToll : 0.0);
        if (!Readable(overview, dxfFile, report)) return;
        Describe(overview, leaving, report.facts);
        report.ok = true;
        report.message = "read " + dxfFile;
        WarnOfBreak(overview, dxfFile, report);
      },
      [&](dxfelem::ToolReport& report) {
        report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
        report.message = "the reading of " + dxfelem::CText(dxf) + " ran out of memory (code 4)";
      });
}

DXFELEM_API dxfelem_report* dxfelem_list(const char* dxf, const char* list, int blocks) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::string listFile = dxfelem::CText(list);
        if (!listFile.empty()) {
          const std::string refusal = dxfelem::OutputRefusal(listFile, "list file", dxfFile, "");
          if (!refusal.empty()) {
            report.code = -1;
            report.message = refusal;
            return;
          }
        }
        const dxfelem::DrawingOverview overview = dxfelem::ReadDrawingOverview(dxfFile);
        if (!Readable(overview, dxfFile, report)) return;
        Describe(overview, dxfelem::ParameterRecord{}, report.facts);
        std::string text;
        if (blocks != 0) {
          for (const dxfelem::DrawingFacts::Block& block : report.facts.blocks) {
            text += block.name + "\t" + std::to_string(block.inserts) + "\n";
          }
        } else {
          for (const std::string& layer : report.facts.tableLayers) text += layer + "\n";
        }
        const std::size_t count = blocks != 0 ? report.facts.blocks.size() : report.facts.tableLayers.size();
        const std::string done =
            "listed " + std::to_string(count) + (blocks != 0 ? " blocks of " : " layers of ") + dxfFile;
        dxfelem::DeliverDocument(std::move(text), listFile, done, report);
        WarnOfBreak(overview, dxfFile, report);
      },
      [&](dxfelem::ToolReport& report) {
        report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
        report.message = "no memory to list " + dxfelem::CText(dxf) + " (code 4)";
      });
}

DXFELEM_API const char* dxfelem_report_problem(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.problem.c_str() : "";
}
DXFELEM_API const char* dxfelem_report_version(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.version.c_str() : "";
}
DXFELEM_API int dxfelem_report_units(const dxfelem_report* report, int which) {
  if (report == nullptr) return -1;
  return which == 1 ? report->report.facts.insUnits : which == 2 ? report->report.facts.measurement : -1;
}
DXFELEM_API int dxfelem_report_extents(const dxfelem_report* report, double* xyxy) {
  if (report == nullptr || !report->report.facts.hasExtents) return 0;
  if (xyxy != nullptr)
    std::copy(std::begin(report->report.facts.extents), std::end(report->report.facts.extents), xyxy);
  return 1;
}
DXFELEM_API size_t dxfelem_report_table_layer_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.tableLayers.size() : 0;
}
DXFELEM_API const char* dxfelem_report_table_layer(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_table_layer_count(report) ? report->report.facts.tableLayers[index].c_str() : "";
}
DXFELEM_API size_t dxfelem_report_block_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.blocks.size() : 0;
}
DXFELEM_API const char* dxfelem_report_block_name(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_block_count(report) ? report->report.facts.blocks[index].name.c_str() : "";
}
DXFELEM_API int64_t dxfelem_report_block_inserts(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_block_count(report) ? report->report.facts.blocks[index].inserts : 0;
}
DXFELEM_API int dxfelem_report_block_defined(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_block_count(report) && report->report.facts.blocks[index].defined ? 1 : 0;
}
DXFELEM_API size_t dxfelem_report_kind_on_layer_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.kindsOnLayers.size() : 0;
}
DXFELEM_API const char* dxfelem_report_kind_on_layer_layer(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_kind_on_layer_count(report) ? report->report.facts.kindsOnLayers[index].layer.c_str()
                                                            : "";
}
DXFELEM_API const char* dxfelem_report_kind_on_layer_kind(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_kind_on_layer_count(report) ? report->report.facts.kindsOnLayers[index].kind.c_str()
                                                            : "";
}
DXFELEM_API int64_t dxfelem_report_kind_on_layer_number(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_kind_on_layer_count(report) ? report->report.facts.kindsOnLayers[index].count : 0;
}
DXFELEM_API size_t dxfelem_report_layer_left_out_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.facts.leftOutOnLayers.size() : 0;
}
DXFELEM_API const char* dxfelem_report_layer_left_out_layer(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_left_out_count(report) ? report->report.facts.leftOutOnLayers[index].layer.c_str()
                                                             : "";
}
DXFELEM_API const char* dxfelem_report_layer_left_out_what(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_left_out_count(report)
             ? report->report.facts.leftOutOnLayers[index].entry.what.c_str()
             : "";
}
DXFELEM_API const char* dxfelem_report_layer_left_out_why(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_left_out_count(report)
             ? report->report.facts.leftOutOnLayers[index].entry.why.c_str()
             : "";
}
DXFELEM_API int64_t dxfelem_report_layer_left_out_number(const dxfelem_report* report, size_t index) {
  return index < dxfelem_report_layer_left_out_count(report) ? report->report.facts.leftOutOnLayers[index].entry.count
                                                             : 0;
}

}  // extern "C"
