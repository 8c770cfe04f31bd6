#include "platform/text_output_file.h"

#include <cstring>

namespace dxfelem {
namespace {

// Large enough that handing a buffer to the writer thread costs next to
// nothing beside writing it.
constexpr std::size_t kBufferSize = 1 << 18;
static_assert(TextOutputFile::kLargestRoom <= kBufferSize);

}  // namespace

bool TextOutputFile::Open(const std::string& path) {
  writer_.reset();
  used_ = 0;
  failed_ = !replacement_.Begin(path);
  if (failed_) return false;
  for (auto& buffer : buffers_) {
    if (!buffer) buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
  }
  buffer_ = buffers_[0].get();
  writer_ = std::make_unique<WriteBehind>(
      [this](const char* bytes, std::size_t count) { return replacement_.Write(bytes, count); });
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
      std::memcpy(buffer_ + used_, text.data(), n);
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

char* TextOutputFile::Room(std::size_t count) {
  if (failed_) return nullptr;
  if (count > kBufferSize - used_) Flush();
  return failed_ ? nullptr : buffer_ + used_;
}

void TextOutputFile::Flush() {
  if (!failed_ && !writer_->Hand(buffer_, used_)) Fail();
  buffer_ = buffer_ == buffers_[0].get() ? buffers_[1].get() : buffers_[0].get();
  used_ = 0;
}

void TextOutputFile::Fail() {
  // The new version is dropped at once: a full disk gets its space back.
  failed_ = true;
  replacement_.Abandon();
}

bool TextOutputFile::Commit() {
  if (failed_) return false;
  // The last, partial buffer is written here: a small file needs no thread.
  if (!writer_->Finish() || (used_ > 0 && !replacement_.Write(buffer_, used_))) Fail();
  used_ = 0;
  const bool committed = !failed_ && replacement_.Commit();
  failed_ = true;
  return committed;
}

}  // namespace dxfelem
