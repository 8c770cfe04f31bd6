// The lines of a large drawing split on a thread of their own: looking for
// line ends, carriage returns and NUL bytes is a good part of reading a
// drawing, and the second processor is idle while the first builds the
// elements. The lines are the ones the plain reading gives (the same
// function splits them), copied into batches that are handed over in order.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace dxfelem {

class LineReadAhead {
 public:
  // `readLine` gives the next line (false at the end); it is called on the
  // reading thread only, and not after the destructor has returned.
  using LineSource = std::function<bool(std::string_view&)>;

  explicit LineReadAhead(LineSource readLine);
  ~LineReadAhead();  // stops the reading thread, wherever it is
  LineReadAhead(const LineReadAhead&) = delete;
  LineReadAhead& operator=(const LineReadAhead&) = delete;

  // False when no thread could be started: the caller reads by itself.
  bool Started() const { return thread_.joinable(); }

  // The next line, valid until the next call; false at the end.
  bool Next(std::string_view& line) {
    if (taken_ == current_->count && !NextBatch()) return false;
    const std::size_t length = current_->lengths[taken_++];
    line = std::string_view(cursor_, length);
    cursor_ += length;
    return true;
  }

  // Bytes and lines of a batch: small enough to stay in the processors'
  // caches between the two threads.
  static constexpr std::size_t kBatchBytes = std::size_t{1} << 18;
  static constexpr std::size_t kBatchLines = std::size_t{1} << 15;
  static constexpr std::size_t kBatches = 3;

 private:
  struct Batch {
    std::unique_ptr<char[]> bytes;
    std::unique_ptr<uint16_t[]> lengths;
    std::size_t count = 0;
    bool last = false;  // the file ends after this batch's lines
  };

  bool NextBatch();
  void Run();

  LineSource readLine_;
  Batch batches_[kBatches];
  // Batches fill in turn: the reading thread fills `filled_ % kBatches`
  // while fewer than kBatches are filled and not yet read through.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;   // batches handed over by the reading thread
  std::size_t reading_ = 0;  // the batch being read: those before it are done
  bool stopping_ = false;
  // The reader's side, written at every line: on cache lines of its own,
  // away from what the reading thread uses. Before the first batch, an
  // empty one is "read".
  alignas(64) Batch none_;
  Batch* current_ = &none_;
  std::size_t taken_ = 0;    // its lines read
  const char* cursor_ = nullptr;
  bool ended_ = false;
  std::thread thread_;
};

}  // namespace dxfelem
