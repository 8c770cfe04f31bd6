// dxfelem_list_for_hosts: the hosts' layer and block listings, with the
// guards before them and the report after them.
#include <cstdio>
#include <memory>
#include <new>

#include "conversion/conversion_job.h"
#include "interface/entry_frame.h"
#include "listing/drawing_listing.h"
#include "toolkit/api_objects.h"
#include "toolkit/conversion_message.h"

namespace {

std::string ListingMessage(bool done, int32_t errorCode, const std::string& named, const std::string& dxfFile) {
  if (done) return "listed " + dxfFile;
  if (errorCode == DXFELEM_E_MEMORY_OR_ENTITIES) {
    return "the list file cannot be written, or the entities of " + dxfFile + " cannot be read (code 4)";
  }
  return dxfelem::ConversionMessage(done, errorCode, named, dxfFile, "the list");
}

}  // namespace

extern "C" {

DXFELEM_API dxfelem_report* dxfelem_list_for_hosts(const char* dxf, const char* list, int blocks,
                                                   const dxfelem_settings* settings, const char* done) {
  return dxfelem::NewReport(
      [&](dxfelem::ToolReport& report) {
        const std::string dxfFile = dxfelem::CText(dxf);
        const std::string listFile = dxfelem::CText(list);
        if (!dxfelem::PassesGuards(listFile, "list file", dxfFile, settings, report)) return;
        const std::string section = settings != nullptr ? settings->Section() : std::string();
        dxfelem::ProfileFile file = dxfelem_settings::Open(settings);
        int32_t code = 0;
        // The listings run as the hosts' Net calls do: the code alone comes back.
        const int32_t returned = dxfelem::RunEntryFrame(nullptr, &code, done, [&] {
          // No element file is written: the job's drawing is named after nothing.
          std::unique_ptr<dxfelem::ConversionJob> job(new (std::nothrow) dxfelem::ConversionJob(dxfFile, ""));
          if (!job) return dxfelem::CallResult{dxfelem::CallOutcome::kNoMemory, {}};
          const dxfelem::ListingKind kind = blocks != 0 ? dxfelem::ListingKind::kBlocks : dxfelem::ListingKind::kLayers;
          dxfelem::StatusInfo status = dxfelem::RunListing(*job, file, section, kind, listFile);
          const dxfelem::CallOutcome outcome =
              status.ok() ? dxfelem::CallOutcome::kSucceeded : dxfelem::CallOutcome::kFailed;
          return dxfelem::CallResult{outcome, std::move(status)};
        });
        report.ok = returned == 1;
        report.code = code;
        if (code == DXFELEM_E_FILE) {
          // The file concerned is the drawing when it cannot be read, else the list.
          std::FILE* drawing = std::fopen(dxfFile.c_str(), "rb");
          report.file = drawing == nullptr ? dxfFile : listFile;
          if (drawing != nullptr) std::fclose(drawing);
        }
        report.message = ListingMessage(report.ok, code, report.file, dxfFile);
      },
      [&](dxfelem::ToolReport& report) {
        report.code = DXFELEM_E_MEMORY_OR_ENTITIES;
        report.message = "no memory to list " + dxfelem::CText(dxf) + " (code 4)";
      });
}

}  // extern "C"
