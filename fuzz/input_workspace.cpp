#include "fuzz/input_workspace.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace dxfelem::fuzz {
namespace {

struct Folder {
  std::string path;
  Folder() {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    path = (base / ("dxfelem-fuzz-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(path);
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

const std::string& Workspace() {
  static Folder folder;
  return folder.path;
}

std::string WriteInput(const char* name, const uint8_t* data, std::size_t size) {
  const std::string path = Workspace() + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
  return path;
}

}  // namespace dxfelem::fuzz
