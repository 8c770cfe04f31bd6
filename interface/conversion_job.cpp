#include "interface/conversion_job.h"

#include <new>

namespace dxfelem {

ConversionJob::ConversionJob(std::string dxfFileName, std::string elementFileName)
    : drawing(new (std::nothrow) Drawing(std::move(elementFileName))), dxfFileName(std::move(dxfFileName)) {
  ResetJob();
}

void ConversionJob::ResetJob() {
  status.Reset();
  parameters = ParameterRecord{};
  selection.YesLogic = 0;
  selection.ClearNameLists();
}

}  // namespace dxfelem
