#include "platform/text_output_file.h"

#include <cstring>

namespace dxfelem {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

bool TextOutputFile::Open(const std::string& path) {
  used_ = 0;
  failed_ = !replacement_.Begin(path);
  if (failed_) return false;
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  return true;
}

void TextOutputFile::Write(std::string_view text) {
  if (failed_) return;
  while (!text.empty()) {
    const std::size_t lineFeed = text.find('\n');
    std::size_t plain = lineFeed == std::string_view::npos ? text.size() : lineFeed;
    while (plain > 0) {
      if (used_ == kBufferSize) Flush();
      const std::size_t n = plain < kBufferSize - used_ ? plain : kBufferSize - used_;
      std::memcpy(buffer_.get() + used_, text.data(), n);
      used_ += n;
      text.remove_prefix(n);
      plain -= n;
    }
    if (lineFeed == std::string_view::npos) break;
    if (used_ + 2 > kBufferSize) Flush();
    buffer_[used_++] = '\r';
    buffer_[used_++] = '\n';
    text.remove_prefix(1);
  }
}

void TextOutputFile::Flush() {
  if (used_ > 0 && !failed_ && !replacement_.Write(buffer_.get(), used_)) {
    // The new version is dropped at once: a full disk gets its space back.
    failed_ = true;
    replacement_.Abandon();
  }
  used_ = 0;
}

bool TextOutputFile::Commit() {
  Flush();
  const bool committed = !failed_ && replacement_.Commit();
  failed_ = true;
  return committed;
}

}  // namespace dxfelem
