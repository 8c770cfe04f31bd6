#include "conversion/conversion_job.h"

#include <new>

namespace dxfelem {

ConversionJob::ConversionJob(std::string dxfFile, std::string elementFile)
    : drawing(new (std::nothrow) Drawing(std::move(elementFile))), dxfFileName(std::move(dxfFile)) {
  ResetJob();
}

void ConversionJob::ResetJob() {
  status.Reset();
  parameters = ParameterRecord{};
  selection.YesLogic = 0;
  selection.ClearNameLists();
}

}  // namespace dxfelem
