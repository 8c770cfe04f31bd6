// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dxfelem::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of a file in the folder, as a string.
  std::string File(std::string_view name) const;
  // Writes the bytes into a file of the folder; returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The drawings of a folder of test data, without their ending ".dxf": the
// files that go with each are named by adding theirs.
std::vector<std::string> DrawingsIn(const std::string& folder);

// How many entries a folder holds (files, folders, links).
std::size_t EntriesIn(const std::filesystem::path& folder);

// A drawing of `count` joined LINEs on layer L, from (i, 0) to (i + 1, 0).
std::string LinesDrawing(int count);

}  // namespace dxfelem::test
