#include "conversion/read_step.h"

#include <cstdint>
#include <filesystem>
#include <memory>

#include "conversion/conversion_job.h"
#include "dxf/block_contents.h"
#include "dxf/block_drawing.h"
#include "dxf/dxf_line_reader.h"
#include "dxf/dxf_signature.h"
#include "dxf/entity_pass.h"
#include "dxf/section_scan.h"
#include "platform/text_input_file.h"

namespace dxfelem {

StatusInfo ReadDxfDrawing(ConversionJob& job) {
  TextInputFile file;  // closed on every way out
  if (!file.Open(job.dxfFileName)) return StatusInfo::FileFailure(DXFELEM_E_FILE, job.dxfFileName);
  if (!CheckDxfSignature(file)) return StatusInfo::Failure(DXFELEM_E_NOT_DXF);
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(job.dxfFileName, unknown);
  job.reading.splineBudget = CurveBudget::ForDrawing(unknown ? 0 : size);
  // Blocks drawn: their definitions are kept as the BLOCKS section is
  // passed, and what they may draw is bounded by the drawing's size.
  if (job.parameters.EsplodiBlocchi == 1) {
    job.reading.blockContents = std::make_unique<BlockContents>();
    job.reading.drawnBytesLeft = DrawnBytesBudget(unknown ? 0 : size);
  }
  DxfLineReader reader(file);
  // A drawing of a few hundred kilobytes is read in milliseconds: only a
  // larger one pays for the thread that splits its lines. The fuzzing build
  // reads every drawing so, for hostile input to reach that path too.
#ifdef DXFELEM_FUZZING
  constexpr std::uintmax_t kReadAheadFrom = 0;
#else
  constexpr std::uintmax_t kReadAheadFrom = std::uintmax_t{1} << 20;
#endif
  if (!unknown && size >= kReadAheadFrom) reader.ReadAhead();
  ElementSink sink = job.Sink();
  EntityContext context = job.ReadingContext(sink);
  const ScanOutcome scan = ScanSections(context, reader);
  if (scan == ScanOutcome::kFailed) return StatusInfo::Failure(DXFELEM_E_SECTIONS);
  if (scan == ScanOutcome::kEntities && !ReadEntities(context, reader)) {
    return StatusInfo::Failure(DXFELEM_E_MEMORY_OR_ENTITIES);
  }
  if (!job.drawing || job.drawing->current() == nullptr) return StatusInfo::Failure(DXFELEM_E_NO_ELEMENTS);
  return StatusInfo::Success();
}

}  // namespace dxfelem
