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

void ElementWriting::Count(const Element& element) {
  if (element.empty()) return;
  if (job_.inspect) job_.inspect(element);
  const std::string* layer = &element.layer();
  if (layer != lastLayer_) {
    lastLayer_ = layer;
    lastWritten_ = &written_[layer];
  }
  ++lastWritten_->elements;
  lastWritten_->nodes += static_cast<int64_t>(element.NodeCount());
}

void ElementWriting::Take(Element& element) {
  if (ProcessElement(job_, element)) {
    Count(element);
    if (stream_) stream_->Write(element);
  }
  // Behind the joining nothing reads an element once it is written: its
  // nodes are given back on the taking thread, while the joining goes on,
  // instead of all at once when the drawing goes (a tenth of a second for
  // a million elements).
  if (following_) element.ReleaseNodes();
}

FinishedElements* ElementWriting::FollowProcessing() {
  // A trial writes nothing to overlap, and a caller's inspection is called
  // on the caller's thread. A drawing of fewer elements than go over in one
  // hand-over would only start the thread; the fuzzing build starts it for
  // every drawing, for hostile input to reach that path too.
#ifdef DXFELEM_FUZZING
  constexpr std::size_t kFollowFrom = 1;
#else
  constexpr std::size_t kFollowFrom = 16384;
#endif
  if (!job_.drawing || job_.trial || job_.inspect || ProcessesElementsAlone(job_) ||
      job_.drawing->elements().size() < kFollowFrom) {
    return nullptr;
  }
  if (!stream_) stream_ = std::make_unique<ElementFileStream>(job_.drawing->name(), job_.parameters.DecimaliTxt);
  following_ = std::make_unique<TakingThread>(*this);
  if (!following_->Started()) following_.reset();
  return following_.get();
}

StatusInfo ElementWriting::Finish() {
  if (!job_.drawing) return StatusInfo();
  if (following_) {
    // Every element was handed over as the processing finished it.
    following_->Finish();
    following_.reset();
  } else {
    // What is left (everything, when nothing was streamed) goes the same
    // way, in one pass.
    if (!stream_ && !job_.trial) {
      stream_ = std::make_unique<ElementFileStream>(job_.drawing->name(), job_.parameters.DecimaliTxt);
    }
    for (Element& element : job_.drawing->elements()) Take(element);
  }
  // The names go with the drawing: the counts keep their own.
  for (const auto& [layer, written] : written_) job_.writtenPerLayer[*layer] = {written.elements, written.nodes};
  written_.clear();
  lastLayer_ = nullptr;
  if (job_.trial) {
    job_.drawing.reset();
    return StatusInfo();
  }
  const bool written = stream_->Commit();
  const StatusInfo status = written ? StatusInfo() : StatusInfo::FileFailure(DXFELEM_E_FILE, job_.drawing->name());
  // The drawing may be large: it goes as soon as it is written.
  job_.drawing.reset();
  return status;
}

}  // namespace dxfelem
