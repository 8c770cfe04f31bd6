// Finished elements handed on to a taker that runs on a thread of its own,
// in their order: the chaining goes on with the later elements while the
// earlier ones are processed, formatted and written.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "geometry/drawing.h"

namespace dxfelem {

class TakingThread : public FinishedElements {
 public:
  // `taker` is called on the thread only, one element at a time.
  explicit TakingThread(FinishedElements& taker);
  ~TakingThread() override;  // stops the thread: what was not taken is left
  TakingThread(const TakingThread&) = delete;
  TakingThread& operator=(const TakingThread&) = delete;

  // False when no thread could be started: nothing is to be handed then.
  bool Started() const { return thread_.joinable(); }

  // The element stays in the drawing, unchanged by the caller from now on,
  // until Finish() has returned.
  void Take(Element& element) override;
  // Waits until every element handed has been taken; what the taker threw
  // is thrown here.
  void Finish();

 private:
  void Hand();
  void Run();

  // Elements go over by the batch: one wake-up per few thousand.
  static constexpr std::size_t kBatch = 4096;

  FinishedElements& taker_;
  std::vector<Element*> filling_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::vector<Element*>> handed_;
  bool finishing_ = false;  // nothing more comes
  bool stopping_ = false;   // stop at once
  bool done_ = false;       // the thread has ended
  std::exception_ptr thrown_;
  std::thread thread_;
};

}  // namespace dxfelem
