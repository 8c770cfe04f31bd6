// Writing one buffer on a thread of its own while the caller fills the
// next. A large element file spends as long in the system's copy of its
// bytes as the conversion spends formatting them; with two processors the
// two now overlap.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>

namespace dxfelem {

class WriteBehind {
 public:
  // `sink` writes bytes and says whether it could; it is called on the
  // writer thread, one buffer at a time, in the order they were handed.
  explicit WriteBehind(std::function<bool(const char*, std::size_t)> sink);
  ~WriteBehind();  // waits for the buffer being written
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;

  // Waits until the buffer handed before is written, then starts writing
  // this one; the caller leaves it untouched until its next Hand() or
  // Finish(). False, and nothing started, when an earlier write failed.
  bool Hand(const char* bytes, std::size_t count);
  // Waits until every buffer handed is written; false when any write failed.
  bool Finish();

 private:
  void Run();

  std::function<bool(const char*, std::size_t)> sink_;
  std::mutex mutex_;
  std::condition_variable changed_;
  const char* pending_ = nullptr;  // the buffer to write or being written
  std::size_t pendingCount_ = 0;
  bool failed_ = false;
  bool stopping_ = false;
  // Started with the first buffer: a file of one buffer needs no thread.
  std::thread thread_;
};

}  // namespace dxfelem
