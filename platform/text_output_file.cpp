#include "platform/text_output_file.h"

#include <cstring>

#include "platform/file_replacement.h"
#include "platform/file_write_error.h"

namespace dxfelem {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

TextOutputFile::~TextOutputFile() { Abandon(); }

bool TextOutputFile::Open(const std::string& path) {
  Abandon();
  if (path.empty() || !IsReplaceableFile(path)) return false;
  file_ = CreateFileBeside(path, temporaryPath_);
  if (file_ == nullptr) return false;
  path_ = path;
  if (!buffer_) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  used_ = 0;
  return true;
}

void TextOutputFile::Write(std::string_view text) {
  if (file_ == nullptr) throw FileWriteError(path_);
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
  if (used_ > 0 && std::fwrite(buffer_.get(), 1, used_, file_) != used_) throw FileWriteError(path_);
  used_ = 0;
}

void TextOutputFile::Commit() {
  if (file_ == nullptr) throw FileWriteError(path_);
  Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0 || !ReplaceFileWith(temporaryPath_, path_)) {
    RemoveFileQuietly(temporaryPath_);
    temporaryPath_.clear();
    throw FileWriteError(path_);
  }
  temporaryPath_.clear();
}

void TextOutputFile::Abandon() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!temporaryPath_.empty()) RemoveFileQuietly(temporaryPath_);
  temporaryPath_.clear();
  used_ = 0;
}

}  // namespace dxfelem
