// A batch of conversions (worker processes converting drawing after drawing,
// two at once; broken drawings fail alone, named), and the tool stopped
// half-way (Ctrl-C, kill, a closed terminal), writing into a closed pipe or
// past a file size limit, or given hostile temporary folders: nothing of the
// user's is lost, nothing is left behind, and every failure names its cause.
#include <fcntl.h>
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

using test::Contains;

TEST(Batch, EveryGoodDrawingIsConvertedAndEveryBrokenOneNamed) {
  test::TempDir dir;
  std::string drawings;
  for (int i = 0; i < 18; ++i) {
    const std::string name = "part" + std::to_string(i) + ".dxf";
    dir.Write(name, "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n" + std::to_string(i + 1) + "\n0\nENDSEC\n0\nEOF\n");
    drawings += " " + test::Quoted(dir.File(name));
  }
  drawings += " " + test::Quoted(dir.Write("notes.dxf", "just notes\n"));
  drawings += " " + test::Quoted(dir.Write("cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n"));
  const std::string ini = dir.Write("p.ini", "[P]\nConnect=0\nDecimaliTxt=3\n");
  const std::string out = dir.File("out");
  const test::ToolRun run = test::RunTool("convert" + drawings + " --out-dir " + test::Quoted(out) + " -j 2 --params " +
                                          test::Quoted(ini) + " --section P");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(
      Contains(run.err, "failed: " + dir.File("notes.dxf") + ": " + dir.File("notes.dxf") + " is not a DXF file"))
      << run.err;
  EXPECT_TRUE(Contains(run.err, "failed: " + dir.File("cut.dxf"))) << run.err;
  EXPECT_TRUE(Contains(run.err, "18 of 20 drawings converted")) << run.err;
  for (int i = 0; i < 18; ++i) {
    const std::string element = test::ReadFileBytes(out + "/part" + std::to_string(i) + ".txt");
    EXPECT_EQ(element.substr(0, 12), "INI,     1,0") << i;
    EXPECT_TRUE(Contains(element, "FIN,     1," + std::to_string(i + 1) + ".000")) << i << element.substr(0, 200);
  }
  // The settings were read from copies: the user's file is as it was.
  EXPECT_EQ(test::ReadFileBytes(ini), "[P]\nConnect=0\nDecimaliTxt=3\n");
  EXPECT_EQ(run.out, "");
}

// A worker converts job after job in one process and answers each as it
// ends: a drawing that fails is told as failed in its own folder, and the
// next one is still converted.
TEST(Batch, AWorkerConvertsJobAfterJob) {
  test::TempDir dir;
  const std::string good = dir.Write("good.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n7\n0\nENDSEC\n0\nEOF\n");
  const std::string bad = dir.Write("bad.dxf", "just notes\n");
  std::string jobs;
  const std::vector<std::vector<std::string>> records = {
      {"0", dir.File("j0"), good, dir.File("a.txt")},
      {"1", dir.File("j1"), bad, dir.File("b.txt")},
      {"2", dir.File("j2"), good, dir.File("c.txt")},
  };
  for (const auto& record : records) {
    for (const std::string& field : record) jobs += field + '\0';
  }
  dir.Write("jobs", jobs);
  const test::ToolRun run = test::RunTool("--batch-worker '' '' <" + test::Quoted(dir.File("jobs")) + " 3>" +
                                          test::Quoted(dir.File("answers")));
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(test::ReadFileBytes(dir.File("answers")), "0 0\n1 1\n2 0\n");
  EXPECT_TRUE(Contains(test::ReadFileBytes(dir.File("c.txt")), "FIN,     1,7.000"))
      << test::ReadFileBytes(dir.File("c.txt"));
  EXPECT_TRUE(Contains(test::ReadFileBytes(dir.File("j1/messages")), "is not a DXF file"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("b.txt")));
}

TEST(Batch, DrawingsThatWouldShareAnElementFileAreRefused) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "a");
  const std::string first = dir.Write("a/x.dxf", "0\nEOF\n");
  const std::string second = dir.Write("x.dxf", "0\nEOF\n");
  const test::ToolRun run = test::RunTool("convert " + test::Quoted(first) + " " + test::Quoted(second) +
                                          " --out-dir " + test::Quoted(dir.File("out")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "would both be written to")) << run.err;
  EXPECT_EQ(test::RunTool("convert a.dxf --out-dir o -j 0").exitStatus, 2);
}

// The batch's working folder is its own: a folder another user made in
// TMPDIR under any name the batch might have chosen, with a link named
// "messages" to a file of the user's, changes nothing. A parameter file
// named "messages" meets none of the batch's own files (its settings
// apply), and nothing is left in TMPDIR.
TEST(Batch, ItsWorkingFolderIsItsOwnAndLeavesNothing) {
  test::TempDir dir;
  const std::string victim = dir.Write("victim", "the user's own file");
  std::filesystem::create_directory(dir.path() / "tmp");
  for (int pid = getpid(); pid < getpid() + 400; ++pid) {
    const std::filesystem::path planted = dir.path() / "tmp" / ("dxfelem-batch-" + std::to_string(pid));
    std::filesystem::create_directories(planted / "0");
    std::filesystem::create_symlink(victim, planted / "0" / "messages");
  }
  const std::string dxf = dir.Write("part.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n");
  const std::string ini = dir.Write("messages", "[P]\nConnect=0\nDecimaliTxt=3\n");
  const test::ToolRun run = test::RunTool(
      "convert " + test::Quoted(dxf) + " " + test::Quoted(dir.Write("broken.dxf", "no drawing")) + " --out-dir " +
          test::Quoted(dir.File("out")) + " --params " + test::Quoted(ini) + " --section P",
      "TMPDIR=" + test::Quoted(dir.File("tmp")));
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_TRUE(Contains(run.err, "failed: " + dir.File("broken.dxf") + ": ")) << run.err;
  EXPECT_EQ(test::ReadFileBytes(victim), "the user's own file");
  EXPECT_TRUE(Contains(test::ReadFileBytes(dir.File("out/part.txt")), "FIN,     1,1.000       ,0.000       ,"))
      << test::ReadFileBytes(dir.File("out/part.txt"));
  EXPECT_EQ(test::EntriesIn(dir.path() / "tmp"), 400);
}

// A TMPDIR that is missing, or is not a folder: the batch names it and the
// reason, and converts nothing.
TEST(Batch, ATemporaryFolderThatCannotBeUsedIsNamed) {
  test::TempDir dir;
  const std::string dxf = dir.Write("part.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n11\n1\n0\nENDSEC\n0\nEOF\n");
  for (const std::string& tmp : {dir.File("missing"), dir.Write("file", "")}) {
    const test::ToolRun run = test::RunTool(
        "convert " + test::Quoted(dxf) + " --out-dir " + test::Quoted(dir.File("out")), "TMPDIR=" + test::Quoted(tmp));
    EXPECT_EQ(run.exitStatus, 1) << tmp;
    EXPECT_TRUE(Contains(run.err, "cannot make a working folder in " + tmp + " (")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out/part.txt")));
  }
}

// Stopped (the parent alone, by SIGTERM or SIGINT), the batch stops its
// workers, waits for them, removes its folder and dies of the signal. The
// workers here wait for drawings that never come (named pipes): one that
// still ran would still hold its pipe open for reading.
TEST(Batch, AStoppedBatchStopsItsWorkersAndLeavesNothing) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "tmp");
  for (int signal : {SIGTERM, SIGINT}) {
    std::vector<std::string> arguments{"convert"};
    for (const char* name : {"a.dxf", "b.dxf"}) {
      std::filesystem::remove(dir.File(name));
      ASSERT_EQ(mkfifo(dir.File(name).c_str(), 0600), 0);
      arguments.push_back(dir.File(name));
    }
    arguments.insert(arguments.end(), {"--out-dir", dir.File("out"), "-j", "2"});
    const int batch = test::StartTool(arguments, {"TMPDIR=" + dir.File("tmp")});
    // Both workers have started once both job folders have their messages
    // (within 30 s, however loaded the machine).
    for (int wait = 0; wait < 3000; ++wait) {
      std::size_t started = 0;
      for (const auto& work : std::filesystem::directory_iterator(dir.path() / "tmp")) {
        started += std::filesystem::exists(work.path() / "0" / "messages") +
                   std::filesystem::exists(work.path() / "1" / "messages");
      }
      if (started == 2) break;
      usleep(10000);
    }
    usleep(100000);
    kill(batch, signal);
    EXPECT_EQ(test::WaitForTool(batch), 128 + signal);
    EXPECT_EQ(test::EntriesIn(dir.path() / "tmp"), 0) << signal;
    for (const char* name : {"a.dxf", "b.dxf"}) {
      const int writer = open(dir.File(name).c_str(), O_WRONLY | O_NONBLOCK);
      EXPECT_LT(writer, 0) << name << ": a worker still reads it";
      if (writer >= 0) close(writer);
    }
  }
}

using test::Quoted;
using test::RunTool;
using test::ToolRun;

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
