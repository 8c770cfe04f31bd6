// The tool stopped half-way (Ctrl-C, kill, a closed terminal), writing
// into a closed pipe or past a file size limit, and batches with hostile
// temporary folders: nothing of the user's is lost, nothing is left
// behind, and every failure names its cause.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

using test::Quoted;
using test::RunTool;
using test::ToolRun;

using test::Contains;

// The environment of a run with the shim that takes unnamed files away and
// stops the tool with `signal` at its first write into a named temporary.
std::vector<std::string> StoppedAtTheFirstWrite(int signal) {
  const char* asan = getenv("ASAN_OPTIONS");
  return {std::string("LD_PRELOAD=") + DXFELEM_FAILING_OPEN, "DXFELEM_NO_TMPFILE=1",
          "DXFELEM_SIGNAL_AT_WRITE=" + std::to_string(signal),
          "ASAN_OPTIONS=" + std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0"};
}

// Stopped while it writes, the tool removes its temporary file beside the
// element file and dies of the signal, as programs do; the old element
// file is as it was.
TEST(StoppedRuns, AStoppedConversionLeavesNoTemporaryFile) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", test::LinesDrawing(3000));
  std::filesystem::create_directory(dir.path() / "out");
  const std::string out = dir.Write("out/a.txt", "yesterday's elements");
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    EXPECT_EQ(test::WaitForTool(test::StartTool({"convert", dxf, out}, StoppedAtTheFirstWrite(signal))), 128 + signal);
    EXPECT_EQ(test::EntriesIn(dir.path() / "out"), 1u) << signal;
    EXPECT_EQ(test::ReadFileBytes(out), "yesterday's elements") << signal;
  }
  // Without a signal the same run replaces the file through the named
  // temporary, as it always has.
  EXPECT_EQ(
      RunTool("convert " + Quoted(dxf) + " " + Quoted(out), test::WithFailingOpen("DXFELEM_NO_TMPFILE=1")).exitStatus,
      0);
  EXPECT_EQ(test::ReadFileBytes(out).substr(0, 4), "INI,");
  EXPECT_EQ(test::EntriesIn(dir.path() / "out"), 1u);
}

// A temporary file left by a process killed with SIGKILL between naming and
// renaming it goes with the next replacement of the same file, once its
// process is gone and it has not changed for ten minutes; one of a living
// process, one that changed lately and another file's stay.
TEST(StoppedRuns, AKilledProcesssTemporaryGoesWithTheNextReplacement) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", test::LinesDrawing(3));
  const std::string out = dir.File("a.txt");
  const std::string gone = dir.Write("a.txt.~2147483646-0.tmp", "debris");
  const std::string lately = dir.Write("a.txt.~2147483645-3.tmp", "a share's, still written");
  const std::string living = dir.Write("a.txt.~1-0.tmp", "init's own");
  const std::string other = dir.Write("b.txt.~2147483646-0.tmp", "another file's");
  const std::string notOurs = dir.Write("a.txt.~2147483646-0x.tmp", "not a name we make");
  const timeval hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
  for (const std::string& file : {gone, living, other, notOurs}) utimes(file.c_str(), hourAgo);
  ASSERT_EQ(RunTool("convert " + Quoted(dxf) + " " + Quoted(out)).exitStatus, 0);
  EXPECT_FALSE(std::filesystem::exists(gone));
  for (const std::string& file : {lately, living, other, notOurs}) EXPECT_TRUE(std::filesystem::exists(file)) << file;
}

// A file size limit smaller than the element file is a file that cannot
// be written (code 8, with its name, and the completion file), not a death
// by SIGXFSZ; a closed pipe on standard output is exit status 1 with a
// message, for every command that prints, not a death by SIGPIPE.
TEST(StoppedRuns, FileSizeLimitsAndClosedPipesAreFailedWrites) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", test::LinesDrawing(2000));
  const std::string out = dir.File("a.txt");
  ToolRun run =
      RunTool("convert " + Quoted(dxf) + " " + Quoted(out) + " --done " + Quoted(dir.File("done")), "ulimit -f 8;");
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_TRUE(Contains(run.err, out) && Contains(run.err, "code 8")) << run.err;
  EXPECT_EQ(test::ReadFileBytes(dir.File("done")), "1");
  EXPECT_FALSE(std::filesystem::exists(out));

  // Pieces apart from each other: a picture and a DXF far larger than a pipe holds.
  std::string apart = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < 3000; ++i) {
    const std::string at = std::to_string(i);
    apart += "0\nLINE\n8\nL\n10\n" + at + "\n20\n" + at + "\n11\n" + at + ".5\n21\n" + at + "\n";
  }
  dir.Write("apart.dxf", apart + "0\nENDSEC\n0\nEOF\n");
  ASSERT_EQ(RunTool("convert " + Quoted(dir.File("apart.dxf")) + " " + Quoted(out)).exitStatus, 0);
  const std::string status = dir.File("status");
  for (const std::string command : {"preview", "todxf"}) {
    // The tool's own exit status, through the pipe.
    run = RunTool(command + " " + Quoted(out) + " 2>" + Quoted(dir.File("err")) + "; echo $? >" + Quoted(status) +
                      "; } | head -c 10 >/dev/null",
                  "{");
    EXPECT_EQ(test::ReadFileBytes(status), "1\n") << command;
    EXPECT_TRUE(Contains(test::ReadFileBytes(dir.File("err")), "cannot write to standard output")) << command;
  }
}

}  // namespace
}  // namespace dxfelem
