// A file read forward line by line through a large buffer, as the C library
// reads a file opened in text mode on the hosts' system: a carriage return
// directly before a line feed is dropped, and a Ctrl-Z byte ends the file
// (old CAD programs pad their DXF files with it). Both systems read exactly
// the same lines.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace dxfelem {

// The lines may be split on a thread of their own: the state read and
// written at every line lies on cache lines of its own, so that what the
// other thread writes nearby does not slow every line down.
class alignas(64) TextInputFile {
 public:
  TextInputFile() = default;
  ~TextInputFile();
  TextInputFile(const TextInputFile&) = delete;
  TextInputFile& operator=(const TextInputFile&) = delete;

  bool Open(const std::string& path);
  // The lines of a text in memory, read as those of a file holding it (the
  // text is copied; its end is the file's end).
  void OpenText(std::string_view text);
  bool IsOpen() const { return file_ != nullptr; }
  void Close();
  // Back to the first byte; false when the file cannot be positioned.
  bool Rewind();

  // fgets into line[capacity]: at most capacity - 1 characters, up to and
  // including a line feed; the rest of a longer line is what the next call
  // reads. The text is always zero-terminated. Returns the number of
  // characters stored, 0 only at the end of the file.
  std::size_t ReadLine(char* line, std::size_t capacity);
  // Whether the line last read holds a NUL byte (C text ends at it).
  bool LineHasNul() const { return lineHasNul_; }
  // The same line as ReadLine would give, without its line end, read in
  // place when the whole of it lies in the buffer and it is shorter than
  // `capacity` - 1 characters with its line feed; false, and nothing read,
  // otherwise (ReadLine then reads it). The text stays valid until the next
  // read; LineHasNul tells of it as of any line.
  bool ReadLineInPlace(std::string_view& line, std::size_t capacity);

 private:
  // Refills the buffer; false at the end of the file or on a read error.
  bool Fill();

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;  // of the buffer, without its padding
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  bool ended_ = false;  // Ctrl-Z seen, read error, or physical end
  bool lineHasNul_ = false;
};

}  // namespace dxfelem
