// dxfelem_convert: a conversion as the hosts' DxfToTxt runs it, with the
// guards before it and the report after it.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "check/drawing_check.h"
#include "conversion/conversion_driver.h"
#include "conversion/conversion_job.h"
#include "interface/entry_frame.h"
#include "picture/svg_preview.h"
#include "platform/c_number_text.h"
#include "toolkit/api_objects.h"
#include "toolkit/conversion_message.h"
#include "toolkit/document_delivery.h"
#include "toolkit/file_guards.h"

namespace {

// A conversion as the hosts' DxfToTxt runs it, with its frame, the settings
// of `file`, and what it read kept in `job`.
int32_t RunFramedConversion(dxfelem::ConversionJob& job, dxfelem::ProfileFile& file, const std::string& section,
                            const char* done, ConversionResult& record) {
  return dxfelem::RunEntryFrame(&record, nullptr, done, [&] {
    dxfelem::ReplaceBlockTables();
    dxfelem::StatusInfo status = dxfelem::RunConversion(job, file, section, dxfelem::InchFlagSource::kJob);
    const dxfelem::CallOutcome outcome = status.ok() ? dxfelem::CallOutcome::kSucceeded : dxfelem::CallOutcome::kFailed;
    return dxfelem::CallResult{outcome, std::move(status)};
  });
}

// A setting that makes far more than a machine needs, for what was read.
void WarnOfHugeOutputs(const dxfelem::ParameterRecord& p, dxfelem::ToolReport& report) {
  for (const auto& [kind, count] : report.read) {
    if (kind == "ELLIPSE" && static_cast<int64_t>(p.ArchiEllisse) * 8 > 10000) {
      report.warnings.push_back("ArchiEllisse " + std::to_string(p.ArchiEllisse) + " draws each of the " +
                                std::to_string(count) + " ELLIPSEs through " +
                                std::to_string(static_cast<int64_t>(p.ArchiEllisse) * 8) +
                                " points (more than 10000 nodes an ellipse; 8, the default, draws 64)");
    }
  }
}

// An element as the picture draws it.
dxfelem::FileElement PictureElement(const dxfelem::Element& element) {
  dxfelem::FileElement drawn{element.layer(), {}};
  for (const dxfelem::ElementNode& node : element.nodes()) {
    drawn.nodes.push_back({std::string(dxfelem::NodeMnemonic(node.code)), node.x, node.y, node.value, element.tag()});
  }
  return drawn;
}

// A finding marked on the picture.
void AddMark(const dxfelem::CheckFinding& found, std::vector<dxfelem::PreviewMark>& marks) {
  using dxfelem::FindingKind;
  using dxfelem::PreviewMark;
  const std::string figure = dxfelem::FindingFigure(found.figure);
  switch (found.kind) {
    case FindingKind::kOpenProfile:
      marks.push_back({PreviewMark::kGap, found.at.x, found.at.y, found.to.x, found.to.y, figure});
      marks.push_back({PreviewMark::kGap, found.to.x, found.to.y, found.at.x, found.at.y, ""});
      break;
    case FindingKind::kDoubleCut:
    case FindingKind::kDoubleCutAcrossLayers:
      marks.push_back({PreviewMark::kDoubleCut, found.at.x, found.at.y, found.to.x, found.to.y, figure});
      break;
    case FindingKind::kCrossing: marks.push_back({PreviewMark::kCrossing, found.at.x, found.at.y, 0.0, 0.0, ""}); break;
    case FindingKind::kTinyPiece:
      marks.push_back({PreviewMark::kTiny, found.at.x, found.at.y, found.to.x, found.to.y, figure});
      break;
    default: break;
  }
}

// Runs the conversion into `outputFile` (none on trial) and fills the
// report from it.
void ConvertInto(dxfelem::ToolReport& report, const std::string& dxfFile, const std::string& outputFile,
                 dxfelem::ProfileFile& file, const std::string& section, const char* done, bool trial = false,
                 dxfelem::DrawingCheck* check = nullptr, std::vector<dxfelem::FileElement>* elements = nullptr) {
  std::unique_ptr<dxfelem::ConversionJob> job(new dxfelem::ConversionJob(dxfFile, outputFile));
  job->trial = trial;
  if (check != nullptr) {
    job->inspect = [check, elements](const dxfelem::Element& element) {
      check->Take(element);
      if (elements != nullptr) elements->push_back(PictureElement(element));
    };
  }
  ConversionResult record{};
  report.ok = RunFramedConversion(*job, file, section, done, record) == 1;
  report.code = record.errorCode;
  if (record.hasFileName == 1) report.file.assign(record.fileName, strnlen(record.fileName, sizeof record.fileName));
  report.message = dxfelem::ConversionMessage(report.ok, record.errorCode, report.file, dxfFile, outputFile);
  dxfelem::DescribeReading(job->reading.tally, report);
  for (const auto& [layer, counts] : job->writtenPerLayer)
    report.layers.push_back({layer, counts.first, counts.second});
  WarnOfHugeOutputs(job->parameters, report);
  if (check != nullptr) {
    const dxfelem::ParameterRecord& p = job->parameters;
    char settings[160];
    std::snprintf(settings, sizeof settings, "Tollerance %g, RadiusMin %g, SpazioFont %g",
                  static_cast<double>(p.Tollerance), static_cast<double>(p.RadiusMin), p.SpazioFont);
    check->SetUnits(dxfelem::WholePartHeld(job->reading.insUnits), p.UnitaMisuraVal == 1, settings);
    check->SetTolerance(static_cast<double>(p.Tollerance));
    check->SetTexts(job->glyphs.Substitutes(), job->reading.textsBelowLetterGap, job->reading.lowestSuchText,
                    p.SpazioFont);
  }
}

void RanOutOfMemory(dxfelem::ToolReport& report, const std::string& what) {
  report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
  report.message = what + " ran out of memory (code 4)";
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_check_output(const char* output, const char* what, const char* dxf,
                                                 const dxfelem_settings* settings) {
  return dxfelem_check_output_of(output, what, dxf, "drawing", settings);
}

DXFELEM_API dxfelem_report* dxfelem_check_output_of(const char* output, const char* what, const char* source,
                                                    const char* source_what, const dxfelem_settings* settings) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string sourceKind = dxfelem::CText(source_what);
        report.ok = dxfelem::PassesGuards(dxfelem::CText(output), dxfelem::CText(what), dxfelem::CText(source),
                                          settings, report, sourceKind.empty() ? "drawing" : sourceKind);
      },
      [&](dxfelem::ToolReport& report) {
        report.code = -1;
        report.message = "no memory to check " + dxfelem::CText(output);
      });
}

DXFELEM_API dxfelem_report* dxfelem_convert(const char* dxf, const char* out, const dxfelem_settings* settings,
                                            const char* done) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::string outputFile = dxfelem::CText(out);
        if (!dxfelem::PassesGuards(outputFile, "element file", dxfFile, settings, report)) return;
        dxfelem::ProfileFile file = dxfelem_settings::Open(settings);
        ConvertInto(report, dxfFile, outputFile, file, settings != nullptr ? settings->Section() : std::string(), done);
      },
      [&](dxfelem::ToolReport& report) { RanOutOfMemory(report, "the conversion of " + dxfelem::CText(dxf)); });
}

DXFELEM_API dxfelem_report* dxfelem_check(const char* dxf, const dxfelem_settings* settings, double min_length,
                                          const char* svg) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::string picture = dxfelem::CText(svg);
        if (!picture.empty() && !dxfelem::PassesGuards(picture, "picture", dxfFile, settings, report)) return;
        const std::string section = settings != nullptr ? settings->Section() : std::string();
        std::optional<dxfelem::ProfileFile> file = dxfelem_settings::OpenToRead(settings, report);
        if (!file) return;
        dxfelem::DrawingCheck check(min_length);
        std::vector<dxfelem::FileElement> elements;
        ConvertInto(report, dxfFile, std::string(), *file, section, nullptr, true, &check,
                    picture.empty() ? nullptr : &elements);
        if (report.code != 0 && report.code != DXFELEM_E_NO_ELEMENTS) return;
        report.check = check.Finish();
        std::vector<dxfelem::PreviewMark> marks;
        if (!picture.empty()) {
          for (const auto& part : report.check.parts) {
            for (const dxfelem::CheckFinding& found : part) AddMark(found, marks);
          }
        }
        const std::string done = "checked " + dxfFile;
        if (picture.empty()) {
          report.ok = true;
          report.message = done;
          return;
        }
        dxfelem::DeliverDocument(dxfelem::SvgPreview(elements, dxfFile, marks), picture,
                                 done + " and drew it into " + picture, report);
      },
      [&](dxfelem::ToolReport& report) { RanOutOfMemory(report, "the check of " + dxfelem::CText(dxf)); });
}

DXFELEM_API size_t dxfelem_report_finding_count(const dxfelem_report* report) {
  return report != nullptr ? report->report.check.Count() : 0;
}
DXFELEM_API const char* dxfelem_report_finding_kind(const dxfelem_report* report, size_t index) {
  if (index >= dxfelem_report_finding_count(report)) return "";
  return dxfelem::FindingKindName(report->report.check.At(index).kind);
}
DXFELEM_API const char* dxfelem_report_finding_layer(const dxfelem_report* report, size_t index) {
  if (index >= dxfelem_report_finding_count(report)) return "";
  return report->report.check.LayerName(report->report.check.At(index)).c_str();
}
DXFELEM_API const char* dxfelem_report_finding_text(const dxfelem_report* report, size_t index) {
  if (index >= dxfelem_report_finding_count(report)) return "";
  // Worded when asked for: a drawing may have millions of findings.
  const dxfelem::CNumbersHere cNumbers;
  report->report.findingWords = report->report.check.Describe(report->report.check.At(index));
  return report->report.findingWords.c_str();
}
DXFELEM_API double dxfelem_report_finding_value(const dxfelem_report* report, size_t index, int which) {
  if (index >= dxfelem_report_finding_count(report)) return 0.0;
  const dxfelem::CheckFinding& found = report->report.check.At(index);
  return which == 1 ? found.at.x : which == 2 ? found.at.y : found.figure;
}

DXFELEM_API dxfelem_report* dxfelem_info(const char* dxf, const dxfelem_settings* settings) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::string section = settings != nullptr ? settings->Section() : std::string();
        // A question writes nothing: what a conversion would add to the
        // parameter file is not told here.
        std::optional<dxfelem::ProfileFile> file = dxfelem_settings::OpenToRead(settings, report);
        if (!file) return;
        ConvertInto(report, dxfFile, std::string(), *file, section, nullptr, true);
        if (report.ok) report.message = "read " + dxfFile;
      },
      [&](dxfelem::ToolReport& report) { RanOutOfMemory(report, "the reading of " + dxfelem::CText(dxf)); });
}

}  // extern "C"
