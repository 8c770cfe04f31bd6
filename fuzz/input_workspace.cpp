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

FolderContent ReadWorkspace() {
  FolderContent content;
  for (const auto& entry : std::filesystem::directory_iterator(Workspace())) {
    std::FILE* file = std::fopen(entry.path().c_str(), "rb");
    if (file == nullptr) std::abort();
    std::string& bytes = content[entry.path().filename().string()];
    char chunk[65536];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file)) bytes.append(chunk, n);
    std::fclose(file);
  }
  return content;
}

void CheckNothingLost(const FolderContent& before, const std::set<std::string>& mayChange) {
  const FolderContent after = ReadWorkspace();
  for (const auto& [name, bytes] : after) {
    if (mayChange.count(name) != 0) continue;
    const auto old = before.find(name);
    if (old == before.end()) {
      std::fprintf(stderr, "a failed call left the new file %s\n", name.c_str());
      std::abort();
    }
    if (old->second != bytes) {
      std::fprintf(stderr, "a failed call changed %s\n", name.c_str());
      std::abort();
    }
  }
  for (const auto& [name, bytes] : before) {
    if (after.count(name) == 0) {
      std::fprintf(stderr, "a failed call removed %s\n", name.c_str());
      std::abort();
    }
  }
}

void CheckNoDebris() {
  for (const auto& entry : std::filesystem::directory_iterator(Workspace())) {
    if (entry.path().extension() == ".tmp") {
      std::fprintf(stderr, "a call left the temporary file %s\n", entry.path().c_str());
      std::abort();
    }
  }
}

}  // namespace dxfelem::fuzz
