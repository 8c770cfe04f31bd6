#include "support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace dxfelem::test {

TempDir::TempDir() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() / ("dxfelem-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(std::string_view name) const { return (path_ / name).string(); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  std::string file = File(name);
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

std::vector<std::string> DrawingsIn(const std::string& folder) {
  std::vector<std::string> drawings;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string path = entry.path().string();
    if (entry.path().extension() == ".dxf") drawings.push_back(path.substr(0, path.size() - 4));
  }
  return drawings;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

std::string LinesDrawing(int count) {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < count; ++i) {
    dxf += "0\nLINE\n8\nL\n10\n" + std::to_string(i) + "\n11\n" + std::to_string(i + 1) + "\n";
  }
  return dxf + "0\nENDSEC\n0\nEOF\n";
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace dxfelem::test
