#include "conversion/write_step.h"

#include "conversion/conversion_job.h"
#include "conversion/process_step.h"
#include "output/text_element_writer.h"

namespace dxfelem {

ElementWriting::ElementWriting(ConversionJob& job) : job_(job) {
  if (!job.drawing || !ProcessesElementsAlone(job)) return;
  if (!job.trial) stream_ = std::make_unique<ElementFileStream>(job.drawing->name(), job.parameters.DecimaliTxt);
  job.drawing->StreamTo(this);
}

ElementWriting::~ElementWriting() {
  if (job_.drawing) job_.drawing->StreamTo(nullptr);
}

void ElementWriting::Take(Element& element) {
  ProcessElement(job_, element);
  if (stream_) stream_->Write(element);
}

StatusInfo ElementWriting::Finish() {
  if (!job_.drawing) return StatusInfo();
  if (job_.trial) {
    job_.drawing.reset();
    return StatusInfo();
  }
  // What is left (everything, when nothing was streamed) was processed
  // with the drawing.
  if (!stream_) stream_ = std::make_unique<ElementFileStream>(job_.drawing->name(), job_.parameters.DecimaliTxt);
  for (const Element& element : job_.drawing->elements()) stream_->Write(element);
  const bool written = stream_->Commit();
  const StatusInfo status = written ? StatusInfo() : StatusInfo::FileFailure(DXFELEM_E_FILE, job_.drawing->name());
  // The drawing may be large: it goes as soon as it is written.
  job_.drawing.reset();
  return status;
}

}  // namespace dxfelem
