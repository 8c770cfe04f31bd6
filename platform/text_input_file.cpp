#include "platform/text_input_file.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace dxfelem {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// Zeros after the last byte read, so that lines are looked through eight
// bytes at a time without reading past the buffer.
constexpr std::size_t kPadding = 8;
constexpr char kCtrlZ = '\x1a';

constexpr uint64_t kEveryByte = 0x0101010101010101ull;
// The high bit of each byte that is zero (and maybe of bytes above the
// lowest zero byte: the lowest bit set is always exact).
constexpr uint64_t ZeroBytes(uint64_t bytes) { return (bytes - kEveryByte) & ~bytes & (kEveryByte << 7); }

// The words of a line are read in the order of the bytes of the file.
static_assert(std::endian::native == std::endian::little);

}  // namespace

TextInputFile::~TextInputFile() { Close(); }

bool TextInputFile::Open(const std::string& path) {
  Close();
  // The translation of line ends is done here, so the file is read as bytes.
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  if (!buffer_ || capacity_ < kBufferSize) {
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize + kPadding);
    capacity_ = kBufferSize;
  }
  position_ = length_ = 0;
  ended_ = false;
  return true;
}

void TextInputFile::OpenText(std::string_view text) {
  Close();
  if (!buffer_ || capacity_ < text.size()) {
    capacity_ = text.size() > kBufferSize ? text.size() : kBufferSize;
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_ + kPadding);
  }
  if (!text.empty()) std::memcpy(buffer_.get(), text.data(), text.size());
  std::memset(buffer_.get() + text.size(), 0, kPadding);
  position_ = 0;
  length_ = text.size();
  ended_ = true;
}

void TextInputFile::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

bool TextInputFile::Rewind() {
  if (file_ == nullptr || std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  position_ = length_ = 0;
  ended_ = false;
  return true;
}

bool TextInputFile::Fill() {
  if (ended_ || file_ == nullptr) return false;
  // A carriage return left at the end of the buffer needs the next byte to
  // decide whether it belongs to a line end, so it moves to the front.
  std::size_t kept = length_ - position_;
  if (kept > 0) std::memmove(buffer_.get(), buffer_.get() + position_, kept);
  position_ = 0;
  length_ = kept + std::fread(buffer_.get() + kept, 1, kBufferSize - kept, file_);
  std::memset(buffer_.get() + length_, 0, kPadding);
  if (length_ == kept) {
    ended_ = true;
    return kept > 0;
  }
  if (const void* stop = std::memchr(buffer_.get() + kept, kCtrlZ, length_ - kept)) {
    length_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.get());
    ended_ = true;
  }
  return length_ > 0;
}

bool TextInputFile::ReadLineInPlace(std::string_view& line, std::size_t capacity) {
  if (position_ == length_) return false;
  const char* begin = buffer_.get() + position_;
  const std::size_t available = length_ - position_;
  const std::size_t reach = available < capacity ? available : capacity;
  // DXF lines are short: one pass, eight bytes at a time, looks for the line
  // feed and a NUL byte at once, where two library calls would cost more
  // than the bytes. The buffer has room and zeros after its last byte.
  const char* const stop = begin + reach;
  const char* feed = nullptr;
  bool nul = false;
  for (const char* word = begin; word < stop; word += 8) {
    uint64_t bytes;
    std::memcpy(&bytes, word, 8);
    // The lowest bit of each is exact: the first line feed, the first NUL.
    const uint64_t feeds = ZeroBytes(bytes ^ kEveryByte * '\n');
    const uint64_t nuls = ZeroBytes(bytes);
    if (feeds != 0) {
      const int at = std::countr_zero(feeds) / 8;
      nul |= nuls != 0 && std::countr_zero(nuls) / 8 < at;
      feed = word + at;
      break;
    }
    nul |= nuls != 0;
  }
  if (feed == nullptr || feed >= stop) return false;
  std::size_t length = static_cast<std::size_t>(feed - begin);
  const std::size_t consumed = length + 1;
  // A carriage return before the line feed belongs to the line end.
  if (length > 0 && begin[length - 1] == '\r') --length;
  // ReadLine would store the text and the line feed: more than it holds is
  // a line it cuts, read there.
  if (length + 1 > capacity - 1) return false;
  lineHasNul_ = nul;
  position_ += consumed;
  line = std::string_view(begin, length);
  return true;
}

std::size_t TextInputFile::ReadLine(char* line, std::size_t capacity) {
  std::size_t stored = 0;
  lineHasNul_ = false;
  if (capacity == 0) return 0;
  while (stored + 1 < capacity) {
    if (position_ == length_ && !Fill()) break;
    const char* begin = buffer_.get() + position_;
    std::size_t available = length_ - position_;
    std::size_t room = capacity - 1 - stored;
    std::size_t take = available < room ? available : room;
    // Copy up to the first carriage return or line feed within reach.
    std::size_t n = 0;
    while (n < take && begin[n] != '\n' && begin[n] != '\r') {
      lineHasNul_ |= begin[n] == '\0';
      ++n;
    }
    std::memcpy(line + stored, begin, n);
    stored += n;
    position_ += n;
    if (n == take) continue;
    if (begin[n] == '\n') {
      line[stored++] = '\n';
      ++position_;
      break;
    }
    // A carriage return: dropped when a line feed follows it.
    if (position_ + 1 == length_ && !ended_ && Fill()) continue;  // the next byte is not here yet
    if (position_ + 1 < length_ && buffer_[position_ + 1] == '\n') {
      line[stored++] = '\n';
      position_ += 2;
      break;
    }
    line[stored++] = '\r';
    ++position_;
  }
  line[stored] = '\0';
  return stored;
}

}  // namespace dxfelem
