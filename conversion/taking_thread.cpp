#include "conversion/taking_thread.h"

#include <system_error>
#include <utility>

namespace dxfelem {

TakingThread::TakingThread(FinishedElements& taker) : taker_(taker) {
  filling_.reserve(kBatch);
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread: Started() says so and the caller takes the elements itself.
  }
}

TakingThread::~TakingThread() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void TakingThread::Take(Element& element) {
  filling_.push_back(&element);
  if (filling_.size() == kBatch) Hand();
}

void TakingThread::Hand() {
  std::vector<Element*> batch;
  batch.reserve(kBatch);
  batch.swap(filling_);
  {
    std::lock_guard lock(mutex_);
    handed_.push_back(std::move(batch));
  }
  changed_.notify_all();
}

void TakingThread::Finish() {
  if (!thread_.joinable()) return;
  if (!filling_.empty()) Hand();
  std::unique_lock lock(mutex_);
  finishing_ = true;
  changed_.notify_all();
  changed_.wait(lock, [this] { return done_; });
  lock.unlock();
  thread_.join();
  if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
}

void TakingThread::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return stopping_ || finishing_ || !handed_.empty(); });
    if (stopping_ || handed_.empty()) break;  // stopped, or finished with all
    std::vector<Element*> batch = std::move(handed_.front());
    handed_.pop_front();
    lock.unlock();
    try {
      for (Element* element : batch) taker_.Take(*element);
    } catch (...) {
      lock.lock();
      thrown_ = std::current_exception();
      break;
    }
    lock.lock();
  }
  done_ = true;
  changed_.notify_all();
}

}  // namespace dxfelem
