// The references in docs/ against the code: every INI key the parameter
// reader, the selection reader and the write-back use is in the parameter
// reference, every node mnemonic of the writer in the element file
// reference; every command of the CLI guide runs, and the C example is the
// program the install check builds.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Docs, EveryParameterKeyIsInTheReference) {
  const std::string reference = Read(DXFELEM_SOURCE_DIR "/docs/parameters.md");
  ASSERT_FALSE(reference.empty());
  std::set<std::string> keys;
  const std::regex key("\"([A-Z][A-Za-z0-9]+)\"");
  for (const char* source :
       {"params/parameter_reader.cpp", "params/selection_reader.cpp", "params/parameter_writeback.cpp"}) {
    const std::string code = Read(std::string(DXFELEM_SOURCE_DIR "/") + source);
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
  const std::string reference = Read(DXFELEM_SOURCE_DIR "/docs/element-file.md");
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

TEST(Docs, EveryCommandOfTheCliGuideRuns) {
  const std::vector<std::string> commands = GuideCommands(Read(DXFELEM_SOURCE_DIR "/docs/cli.md"));
  ASSERT_GE(commands.size(), 12u);
  test::TempDir dir;
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.dxf", dir.File("panel.dxf"));
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", dir.File("cam.ini"));
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/tests/data/corpus/r2000-architecture-metres.dxf",
                             dir.File("architecture.dxf"));
  const std::string tool = std::filesystem::path(DXFELEM_CLI).parent_path();
  for (const std::string& command : commands) {
    const std::string line = "cd " + test::Quoted(dir.path()) + " && PATH=" + test::Quoted(tool) + ":\"$PATH\" " +
                             command + " >/dev/null 2>" + test::Quoted(dir.File("messages"));
    const int status = std::system(line.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n"
                                                               << test::ReadFileBytes(dir.File("messages"));
  }
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
  const std::vector<std::string> commands = GuideCommands(Read(DXFELEM_SOURCE_DIR "/docs/scaling.md"));
  ASSERT_EQ(commands.size(), 2u);
  test::TempDir dir;
  std::filesystem::create_directories(dir.path() / "archive" / "a");
  std::filesystem::create_directories(dir.path() / "archive" / "b");
  for (const char* name : {"archive/a/left.dxf", "archive/b/right.dxf", "archive/middle.dxf"}) {
    std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.dxf", dir.File(name));
  }
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", dir.File("cam.ini"));
  const std::string tool = std::filesystem::path(DXFELEM_CLI).parent_path();
  for (const std::string& command : commands) {
    const std::string line = "cd " + test::Quoted(dir.path()) + " && export PATH=" + test::Quoted(tool) +
                             ":\"$PATH\" && (" + command + ") >/dev/null 2>" + test::Quoted(dir.File("messages"));
    const int status = std::system(line.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n"
                                                               << test::ReadFileBytes(dir.File("messages"));
  }
  for (const char* made : {"elements/left.txt", "elements/right.txt", "elements/middle.txt"}) {
    EXPECT_EQ(test::ReadFileBytes(dir.File(made)).substr(0, 4), "INI,") << made;
  }
}

// The counts the guide shows for the check of the architecture drawing are
// the tool's.
TEST(Docs, TheGuidesCheckOfARealDrawingIsTheTools) {
  const std::string guide = Read(DXFELEM_SOURCE_DIR "/docs/cli.md");
  const std::size_t command = guide.find("$ dxfelem check architecture.dxf");
  ASSERT_NE(command, std::string::npos);
  // The block after the command's own.
  const std::size_t block = guide.find("\n```\n", guide.find("\n```\n", command) + 4);
  ASSERT_NE(block, std::string::npos);
  const std::string shown = guide.substr(block + 5, guide.find("\n```", block + 5) - block - 5);
  std::string counts;
  const std::regex count("^[0-9]+ [a-z ]+$");
  std::istringstream lines(shown);
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_match(line, count)) counts += line + "\n";
  }
  ASSERT_NE(counts, "");
  const test::ToolRun run =
      test::RunTool("check " + test::Quoted(DXFELEM_SOURCE_DIR "/tests/data/corpus/r2000-architecture-metres.dxf") +
                    " --params " + test::Quoted(DXFELEM_SOURCE_DIR "/examples/panel.ini") + " --section Panel");
  EXPECT_EQ(run.exitStatus, 3) << run.err;
  ASSERT_GE(run.out.size(), counts.size());
  EXPECT_EQ(run.out.substr(run.out.size() - counts.size()), counts) << run.out;
}

// The program of the C interface reference is the one ./test builds
// against the installed library.
TEST(Docs, TheCExampleIsTheProgramTheInstallCheckBuilds) {
  const std::string reference = Read(DXFELEM_SOURCE_DIR "/docs/c-interface.md");
  const std::size_t start = reference.find("```c\n");
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = reference.find("```", start + 5);
  const std::string example = reference.substr(start + 5, end - start - 5);
  const std::string program = Read(DXFELEM_SOURCE_DIR "/tests/install/consumer/main.c");
  ASSERT_NE(program.find("#include"), std::string::npos);
  EXPECT_EQ(program.substr(program.find("#include")), example);
}

}  // namespace
}  // namespace dxfelem
