#include "listing/drawing_listing.h"

#include "platform/profile_file.h"

#include "conversion/conversion_driver.h"
#include "conversion/conversion_job.h"
#include "dxf/dxf_line_reader.h"
#include "dxf/dxf_signature.h"
#include "dxf/entity_context.h"
#include "dxf/entity_pass.h"
#include "dxf/section_scan.h"
#include "dxf/tables_reader.h"
#include "dxf/value_readers.h"
#include "platform/profile_file.h"
#include "platform/text_input_file.h"
#include "platform/text_output_file.h"

namespace dxfelem {
namespace {

// Opens the drawing and checks it.
StatusInfo OpenChecked(const ConversionJob& job, TextInputFile& file) {
  if (!file.Open(job.dxfFileName)) return StatusInfo::FileFailure(DXFELEM_E_FILE, job.dxfFileName);
  if (!CheckDxfSignature(file)) return StatusInfo::Failure(DXFELEM_E_NOT_DXF);
  return StatusInfo::Success();
}

// Each layer name is written when the "0" that ends its entry is read, the
// last one at "ENDTAB". Group codes are not paired with their values here:
// a value line that reads "2" makes the next line a name.
void ListLayerEntries(DxfLineReader& reader, TextOutputFile& list) {
  enum class State { kGroupCode, kAfterZero, kName, kSkipValue };
  State state = State::kGroupCode;
  std::string pending;
  std::string_view line;
  while (ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case State::kGroupCode:
        if (token == kGroup0) state = State::kAfterZero;
        else if (token == kGroup2) state = State::kName;
        else if (token == kGroup62 || token == kGroup6 || token == kGroup70) state = State::kSkipValue;
        break;
      case State::kAfterZero:
        if (!pending.empty()) {
          list.Write(pending);
          list.Write("\n");
          pending.clear();
        }
        if (token == kTokenEndtab) return;
        state = State::kGroupCode;
        break;
      case State::kName:
        pending.assign(line);
        state = State::kGroupCode;
        break;
      case State::kSkipValue: state = State::kGroupCode; break;
    }
  }
}

struct LayerListing {
  const std::string& listFile;
  bool writeFailed = false;
};

// The TABLES section of the layer listing: the LAYER table into the list,
// the STYLE table into the job as in a conversion, the rest passed over.
void ListingTables(EntityContext& context, DxfLineReader& reader, void* tablesContext) {
  LayerListing& listing = *static_cast<LayerListing*>(tablesContext);
  TextOutputFile list;
  // A list file that cannot be made lists nothing; the scan goes on.
  if (!list.Open(listing.listFile)) return;
  enum class State { kGroupCode, kAfterZero, kAfterTable, kTableName, kSkipValue };
  State state = State::kGroupCode;
  std::string_view line;
  bool ended = false;
  while (!ended && ReadTrimmedLine(reader, line)) {
    const Token token = LookupKeyword(line);
    switch (state) {
      case State::kGroupCode: state = token == kGroup0 ? State::kAfterZero : State::kSkipValue; break;
      case State::kSkipValue: state = State::kGroupCode; break;
      case State::kAfterZero:
        if (token == kTokenEndsec) ended = true;
        state = token == kTokenTable ? State::kAfterTable : State::kGroupCode;
        break;
      case State::kAfterTable:
        if (token == kTokenEndsec) ended = true;
        state = token == kGroup2 ? State::kTableName : State::kGroupCode;
        break;
      case State::kTableName:
        if (token == kTokenLayer) ListLayerEntries(reader, list);
        else if (token == kTokenStyle) ReadStyleTable(reader, context.textStyles);
        else SkipTable(reader);
        state = State::kGroupCode;
        break;
    }
  }
  if (!list.Commit()) listing.writeFailed = true;
}

class BlockListFile : public BlockList {
 public:
  explicit BlockListFile(TextOutputFile& file) : file_(file) {}
  void Add(const std::string& blockName) override {
    file_.Write(blockName);
    file_.Write("\n");
  }

 private:
  TextOutputFile& file_;
};

}  // namespace

StatusInfo ListLayers(ConversionJob& job, const std::string& listFile) {
  TextInputFile file;
  StatusInfo status = OpenChecked(job, file);
  if (!status.ok()) return status;
  DxfLineReader reader(file);
  LayerListing listing{listFile};
  ElementSink sink = job.Sink();
  EntityContext context = job.ReadingContext(sink);
  // The scan ends at ENTITIES, at EOF or at the end of the file: the
  // entities are never read, and the listing always succeeds.
  ScanSections(context, reader, ListingTables, &listing);
  // A list that was begun but could not be written whole (a full disk) is
  // reported with its name, like an element file: the host must not offer
  // half a list as the drawing's layers.
  if (listing.writeFailed) return StatusInfo::FileFailure(DXFELEM_E_FILE, listFile);
  return StatusInfo::Success();
}

StatusInfo ListBlocks(ConversionJob& job, const std::string& listFile) {
  TextInputFile file;
  StatusInfo status = OpenChecked(job, file);
  if (!status.ok()) return status;
  DxfLineReader reader(file);
  ElementSink sink = job.Sink();
  EntityContext context = job.ReadingContext(sink);
  const ScanOutcome scan = ScanSections(context, reader);
  if (scan == ScanOutcome::kFailed) return StatusInfo::Failure(DXFELEM_E_SECTIONS);
  if (scan == ScanOutcome::kEndOfDrawing) return StatusInfo::Success();
  TextOutputFile list;
  if (!list.Open(listFile)) return StatusInfo::Failure(DXFELEM_E_MEMORY_OR_ENTITIES);
  BlockListFile blocks(list);
  const bool read = ReadEntitiesListingBlocks(context, reader, blocks);
  // The names found so far are kept whatever ended the pass.
  if (!list.Commit()) return StatusInfo::FileFailure(DXFELEM_E_FILE, listFile);
  if (!read) return StatusInfo::Failure(DXFELEM_E_MEMORY_OR_ENTITIES);
  return StatusInfo::Success();
}

StatusInfo RunListing(ConversionJob& job, const std::string& parameterFile, const std::string& section,
                      ListingKind kind, const std::string& listFile) {
  ProfileFile file(parameterFile);
  return RunListing(job, file, section, kind, listFile);
}

StatusInfo RunListing(ConversionJob& job, ProfileFile& file, const std::string& section, ListingKind kind,
                      const std::string& listFile) {
  return RunWithParameters(job, file, section, InchFlagSource::kProcessCopy, [&] {
    return kind == ListingKind::kLayers ? ListLayers(job, listFile) : ListBlocks(job, listFile);
  });
}

}  // namespace dxfelem
