// A text file written through a large buffer as a file in text mode on the
// hosts' system: every line feed goes out as carriage return and line feed,
// on every system, so that the same drawing gives the same bytes everywhere.
//
// The file takes the place of the user's file only in Commit(); a file
// abandoned before that (an error, a failed write) leaves no trace, and the
// user's file stays as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_replacement.h"
#include "platform/write_behind.h"

namespace dxfelem {

class TextOutputFile {
 public:
  TextOutputFile() = default;
  TextOutputFile(const TextOutputFile&) = delete;
  TextOutputFile& operator=(const TextOutputFile&) = delete;

  // False when the file cannot be created, or exists and is read-only or not
  // a regular file.
  bool Open(const std::string& path);
  // A write that fails (a full disk) is remembered, and the writes after it
  // are dropped: the failure is reported by Commit().
  void Write(std::string_view text);
  // Room in the buffer for up to `count` bytes (at most kLargestRoom) that
  // go into the file as they are, line ends included: the caller puts them
  // there and then says with Used() how many it put. Spares a writer of
  // millions of lines a copy of each. Null once a write failed.
  static constexpr std::size_t kLargestRoom = 1 << 16;
  char* Room(std::size_t count);
  void Used(std::size_t count) { used_ += count; }
  // Completes the file and puts it in place. False when any write failed or
  // the file cannot take its place: the user's earlier file is as it was.
  bool Commit();

 private:
  // Hands the full buffer to the writer thread and goes on in the other.
  void Flush();
  void Fail();

  FileReplacement replacement_;
  std::unique_ptr<char[]> buffers_[2];
  char* buffer_ = nullptr;  // the one being filled
  std::size_t used_ = 0;
  bool failed_ = true;  // nothing is written before Open()
  // Last, so that it stops writing before the buffers and the file go.
  std::unique_ptr<WriteBehind> writer_;
};

}  // namespace dxfelem
