#include "dxf/line_read_ahead.h"

#include <cstring>
#include <system_error>
#include <utility>

namespace dxfelem {

namespace {
// The longest line the source gives (255 characters).
constexpr std::size_t kLongestLine = 256;
}  // namespace

LineReadAhead::LineReadAhead(LineSource readLine) : readLine_(std::move(readLine)) {
  for (Batch& batch : batches_) {
    batch.bytes = std::make_unique_for_overwrite<char[]>(kBatchBytes);
    batch.lengths = std::make_unique_for_overwrite<uint16_t[]>(kBatchLines);
  }
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread: Started() says so and the caller reads by itself.
  }
}

LineReadAhead::~LineReadAhead() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool LineReadAhead::NextBatch() {
  if (ended_ || current_->last) {
    ended_ = true;
    return false;
  }
  std::unique_lock lock(mutex_);
  // The batch just read goes back to the reading thread.
  if (current_ != &none_) {
    ++reading_;
    changed_.notify_all();
  }
  changed_.wait(lock, [this] { return filled_ > reading_; });
  lock.unlock();
  current_ = &batches_[reading_ % kBatches];
  taken_ = 0;
  cursor_ = current_->bytes.get();
  if (current_->count > 0) return true;
  ended_ = true;
  return false;
}

void LineReadAhead::Run() {
  bool more = true;
  while (more) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stopping_ || filled_ - reading_ < kBatches; });
    if (stopping_) return;
    Batch& batch = batches_[filled_ % kBatches];
    lock.unlock();
    // The batch is this thread's until it is handed over.
    std::size_t bytes = 0;
    std::size_t count = 0;
    while (count < kBatchLines && bytes + kLongestLine <= kBatchBytes) {
      std::string_view line;
      if (!readLine_(line)) {
        more = false;
        break;
      }
      if (!line.empty()) std::memcpy(batch.bytes.get() + bytes, line.data(), line.size());
      batch.lengths[count++] = static_cast<uint16_t>(line.size());
      bytes += line.size();
    }
    batch.count = count;
    batch.last = !more;
    lock.lock();
    ++filled_;
    lock.unlock();
    changed_.notify_all();
  }
}

}  // namespace dxfelem
