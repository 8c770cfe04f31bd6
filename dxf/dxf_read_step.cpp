#include "dxf/dxf_read_step.h"

#include "dxf/dxf_line_reader.h"
#include "dxf/dxf_signature.h"
#include "dxf/entity_pass.h"
#include "dxf/section_scan.h"
#include "interface/conversion_job.h"
#include "platform/text_input_file.h"

namespace dxfelem {

int ReadDxfDrawing(ConversionJob& job) {
  TextInputFile file;  // closed on every way out
  if (!file.Open(job.dxfFileName)) {
    job.status.FailWithFile(DXFELEM_E_FILE, job.dxfFileName);
    return 0;
  }
  if (!CheckDxfSignature(file)) {
    job.status.Fail(DXFELEM_E_NOT_DXF);
    return 0;
  }
  DxfLineReader reader(file);
  const ScanOutcome scan = ScanSections(job, reader);
  if (scan == ScanOutcome::kFailed) {
    job.status.Fail(DXFELEM_E_SECTIONS);
    return 0;
  }
  if (scan == ScanOutcome::kEntities && !ReadEntities(job, reader)) {
    job.status.Fail(DXFELEM_E_MEMORY_OR_ENTITIES);
    return 0;
  }
  if (!job.drawing || job.drawing->current() == nullptr) {
    job.status.hasFileName = 0;
    job.status.Fail(DXFELEM_E_NO_ELEMENTS);
    return 0;
  }
  return 1;
}

}  // namespace dxfelem
