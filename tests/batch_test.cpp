// A stopped batch; the rest of what batches and stopped runs do is shown in
// the sessions of tests/data/transcripts (batches.t, stopped-runs.t).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

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

}  // namespace
}  // namespace dxfelem
