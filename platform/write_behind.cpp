#include "platform/write_behind.h"

#include <system_error>
#include <utility>

namespace dxfelem {

WriteBehind::WriteBehind(std::function<bool(const char*, std::size_t)> sink) : sink_(std::move(sink)) {}

WriteBehind::~WriteBehind() {
  if (!thread_.joinable()) return;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

bool WriteBehind::Hand(const char* bytes, std::size_t count) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == nullptr; });
    if (failed_) return false;
    pending_ = bytes;
    pendingCount_ = count;
  }
  if (thread_.joinable()) {
    changed_.notify_all();
    return true;
  }
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread to be had: this buffer is written here and now.
    const bool written = sink_(bytes, count);
    std::lock_guard lock(mutex_);
    failed_ = failed_ || !written;
    pending_ = nullptr;
  }
  return true;
}

bool WriteBehind::Finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return pending_ == nullptr; });
  return !failed_;
}

void WriteBehind::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return pending_ != nullptr || stopping_; });
    if (pending_ == nullptr) return;
    const char* bytes = pending_;
    const std::size_t count = pendingCount_;
    lock.unlock();
    const bool written = sink_(bytes, count);
    lock.lock();
    if (!written) failed_ = true;
    pending_ = nullptr;
    changed_.notify_all();
  }
}

}  // namespace dxfelem
