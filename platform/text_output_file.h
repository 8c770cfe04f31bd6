// A text file written through a large buffer as a file in text mode on the
// hosts' system: every line feed goes out as carriage return and line feed,
// on every system, so that the same drawing gives the same bytes everywhere.
//
// The file is written under a temporary name beside its place and takes the
// place of the user's file only in Commit(); a file abandoned before that
// (an error, an exception) is removed and the user's file stays as it was.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace dxfelem {

class TextOutputFile {
 public:
  TextOutputFile() = default;
  ~TextOutputFile();  // abandons an uncommitted file
  TextOutputFile(const TextOutputFile&) = delete;
  TextOutputFile& operator=(const TextOutputFile&) = delete;

  // False when the file cannot be created, or exists and is read-only or not
  // a regular file.
  bool Open(const std::string& path);
  // Throws FileWriteError when the bytes cannot be written.
  void Write(std::string_view text);
  // Completes the file and puts it in place; throws FileWriteError when it
  // cannot, leaving the user's earlier file as it was.
  void Commit();

 private:
  void Flush();
  void Abandon();

  std::FILE* file_ = nullptr;
  std::string path_;
  std::string temporaryPath_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

}  // namespace dxfelem
