// The references in docs/ against the code: every INI key the parameter
// reader, the selection reader and the write-back use is in the parameter
// reference, every node mnemonic of the writer in the element file
// reference; every command of the CLI guide runs, and the C example is the
// program the install check builds. And the house's floors: data flows one
// way, down them, so a folder may include only the folders listed for it in
// kAllowed; a new arrow is a decision, made in that table or not at all.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/element_node.h"
#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

TEST(Docs, EveryParameterKeyIsInTheReference) {
  const std::string reference = test::ReadFileBytes(DXFELEM_SOURCE_DIR "/docs/parameters.md");
  ASSERT_FALSE(reference.empty());
  std::set<std::string> keys;
  const std::regex key("\"([A-Z][A-Za-z0-9]+)\"");
  for (const char* source :
       {"params/parameter_reader.cpp", "params/selection_reader.cpp", "params/parameter_writeback.cpp"}) {
    const std::string code = test::ReadFileBytes(std::string(DXFELEM_SOURCE_DIR "/") + source);
    for (std::sregex_iterator match(code.begin(), code.end(), key), end; match != end; ++match) {
      keys.insert((*match)[1]);
    }
  }
  EXPECT_GT(keys.size(), 40u);  // the sources were found and read
  for (const std::string& name : keys) {
    EXPECT_NE(reference.find("`" + name), std::string::npos) << name << " is read but not in docs/parameters.md";
  }
}

TEST(Docs, EveryNodeMnemonicIsInTheReference) {
  const std::string reference = test::ReadFileBytes(DXFELEM_SOURCE_DIR "/docs/element-file.md");
  for (int32_t code = 0; code <= kNodeTxt + 1; ++code) {
    const std::string mnemonic(NodeMnemonic(code));
    EXPECT_NE(reference.find("`" + mnemonic + "`"), std::string::npos) << mnemonic;
  }
}

// The shell lines ("$ ...") of the fenced sh blocks, in order.
std::vector<std::string> GuideCommands(const std::string& guide) {
  std::vector<std::string> commands;
  std::istringstream lines(guide);
  bool inShell = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("```", 0) == 0) inShell = !inShell && line == "```sh";
    else if (inShell && line.rfind("$ ", 0) == 0) commands.push_back(line.substr(2));
  }
  return commands;
}

// Runs each command in the folder, with the tool first on PATH; each must succeed.
void RunEach(const std::vector<std::string>& commands, const test::TempDir& dir) {
  const std::string tool = std::filesystem::path(DXFELEM_CLI).parent_path();
  for (const std::string& command : commands) {
    const std::string line = "cd " + test::Quoted(dir.path()) + " && export PATH=" + test::Quoted(tool) +
                             ":\"$PATH\" && (" + command + ") >/dev/null 2>" + test::Quoted(dir.File("messages"));
    const int status = std::system(line.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n"
                                                               << test::ReadFileBytes(dir.File("messages"));
  }
}

TEST(Docs, EveryCommandOfTheCliGuideRuns) {
  const std::vector<std::string> commands = GuideCommands(test::ReadFileBytes(DXFELEM_SOURCE_DIR "/docs/cli.md"));
  ASSERT_GE(commands.size(), 12u);
  test::TempDir dir;
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.dxf", dir.File("panel.dxf"));
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", dir.File("cam.ini"));
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/tests/data/corpus/r2000-architecture-metres.dxf",
                             dir.File("architecture.dxf"));
  RunEach(commands, dir);
  // What the guide says the commands make.
  for (const char* made : {"panel.txt", "panel.svg", "panel-again.svg", "panel-result.dxf", "panel-layers.txt",
                           "built-in.done", "elements/left.txt", "elements/right.txt", "architecture-check.svg"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.File(made))) << made;
  }
}

// The scaling guide's recipe runs with GNU parallel's local slots: every
// drawing of the archive, in folders, gets its element file.
TEST(Docs, TheScalingRecipeRunsWithLocalSlots) {
  if (std::system("command -v parallel >/dev/null 2>&1") != 0) GTEST_SKIP() << "GNU parallel is not installed";
  const std::vector<std::string> commands = GuideCommands(test::ReadFileBytes(DXFELEM_SOURCE_DIR "/docs/scaling.md"));
  ASSERT_EQ(commands.size(), 2u);
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "archive" / "a");
  std::filesystem::create_directories(dir.path() / "archive" / "b");
  for (const char* name : {"archive/a/left.dxf", "archive/b/right.dxf", "archive/middle.dxf"}) {
    std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.dxf", dir.File(name));
  }
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", dir.File("cam.ini"));
  RunEach(commands, dir);
  for (const char* made : {"elements/left.txt", "elements/right.txt", "elements/middle.txt"}) {
    EXPECT_EQ(test::ReadFileBytes(dir.File(made)).substr(0, 4), "INI,") << made;
  }
}

// The program of the C interface reference is the one ./test builds
// against the installed library.
TEST(Docs, TheCExampleIsTheProgramTheInstallCheckBuilds) {
  const std::string reference = test::ReadFileBytes(DXFELEM_SOURCE_DIR "/docs/c-interface.md");
  const std::size_t start = reference.find("```c\n");
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = reference.find("```", start + 5);
  const std::string example = reference.substr(start + 5, end - start - 5);
  const std::string program = test::ReadFileBytes(DXFELEM_SOURCE_DIR "/tests/install/consumer/main.c");
  ASSERT_NE(program.find("#include"), std::string::npos);
  EXPECT_EQ(program.substr(program.find("#include")), example);
}

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
