// The house has floors, and data flows one way, down them: a folder may
// include only the folders listed for it here. A new arrow is a decision,
// made in this table or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace dxfelem {
namespace {

// Top to bottom: cli (outside the library) · interface · rewrite, listing ·
// conversion · dxf · text · params, output · geometry · kernel · platform.
// The public header (include/) may be included from anywhere.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"platform", {}},
    {"kernel", {"platform"}},
    {"geometry", {"kernel", "platform"}},
    {"output", {"geometry", "platform"}},
    {"params", {"geometry", "platform"}},
    {"text", {"params", "geometry", "kernel", "platform"}},
    {"dxf", {"text", "params", "geometry", "kernel", "platform"}},
    {"conversion", {"dxf", "text", "params", "output", "geometry", "kernel", "platform"}},
    {"listing", {"conversion", "dxf", "params", "geometry", "platform"}},
    {"rewrite", {"conversion", "output", "geometry", "kernel", "params", "platform"}},
    {"interface", {"conversion", "listing", "rewrite", "platform"}},
    // The people's API runs conversions in the entry points' frame.
    {"toolkit", {"interface", "conversion", "listing", "rewrite", "picture", "check", "dxf", "params", "platform"}},
    {"picture", {}},
    {"check", {"geometry"}},
    // The tool is a thin layer over the people's API: the public headers only.
    {"cli", {}},
};

TEST(Layering, NoFolderIncludesAFolderAboveIt) {
  const std::filesystem::path root = DXFELEM_SOURCE_DIR;
  std::size_t files = 0;
  for (const auto& [folder, allowed] : kAllowed) {
    ASSERT_TRUE(std::filesystem::is_directory(root / folder)) << folder;
    for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp") continue;
      ++files;
      std::ifstream source(entry.path());
      std::string line;
      for (int number = 1; std::getline(source, line); ++number) {
        if (line.rfind("#include \"", 0) != 0) continue;
        const std::string path = line.substr(10, line.find('"', 10) - 10);
        const std::size_t slash = path.find('/');
        if (slash == std::string::npos) continue;
        const std::string target = path.substr(0, slash);
        if (target == folder || target == "dxfelem") continue;  // itself, or the public header
        EXPECT_TRUE(allowed.count(target) != 0)
            << entry.path().lexically_relative(root).string() << ":" << number << " includes " << path << ": " << folder
            << " may not depend on " << target;
      }
    }
  }
  EXPECT_GT(files, 100u);  // the folders were found and read
}

// Every folder of the library is in the table.
TEST(Layering, EveryLibraryFolderHasItsFloor) {
  const std::filesystem::path root = DXFELEM_SOURCE_DIR;
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    if (!entry.is_directory()) continue;
    bool hasSources = false;
    for (const auto& file : std::filesystem::directory_iterator(entry.path())) {
      hasSources = hasSources || file.path().extension() == ".cpp";
    }
    const std::string name = entry.path().filename().string();
    const bool outside = name == "tests" || name == "fuzz" || name == "bench" || name.rfind("build", 0) == 0;
    if (hasSources && !outside) {
      EXPECT_TRUE(kAllowed.count(name) != 0) << name << " has no floor";
    }
  }
}

}  // namespace
}  // namespace dxfelem
