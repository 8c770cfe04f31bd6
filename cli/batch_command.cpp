// A batch of conversions: worker processes (the library's process-wide
// state allows one call at a time in a process), as many as may run at
// once, each converting drawing after drawing; a progress line on a
// terminal and one line per failure at the end.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/signal_watch.h"
#include "cli/tool_output.h"
#include "cli/tool_reports.h"

namespace dxfelem::cli {
namespace {

namespace fs = std::filesystem;

struct Job {
  std::string drawing;
  std::string output;
  fs::path folder;  // the job's own folder: its messages, and its settings in a folder of their own
};

// A worker process and the job it has in hand.
struct Worker {
  pid_t pid = -1;
  int jobs = -1;      // where its jobs are written
  int answers = -1;   // where it answers
  std::string heard;  // an answer's beginning
  std::size_t job = 0;
  bool busy = false;
};

// Starts a worker with the batch's settings; false when the system gives
// no process or pipe.
bool StartWorker(const Options& options, Worker& worker) {
  int jobs[2];
  int answers[2];
  if (pipe2(jobs, O_CLOEXEC) != 0) return false;
  if (pipe2(answers, O_CLOEXEC) != 0) {
    close(jobs[0]);
    close(jobs[1]);
    return false;
  }
  // Made before the fork: the child only puts its descriptors in place.
  std::vector<std::string> arguments = {"dxfelem", "--batch-worker", options.parameterFile, options.section};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int nothing = open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t child = nothing < 0 ? -1 : fork();
  if (child == 0) {
    if (dup2(jobs[0], STDIN_FILENO) < 0 || dup2(answers[1], 3) < 0 || dup2(nothing, STDOUT_FILENO) < 0 ||
        dup2(nothing, STDERR_FILENO) < 0) {
      _exit(127);
    }
    execv("/proc/self/exe", argv.data());
    _exit(127);
  }
  if (nothing >= 0) close(nothing);
  close(jobs[0]);
  close(answers[1]);
  if (child < 0) {
    close(jobs[1]);
    close(answers[0]);
    return false;
  }
  worker = Worker{child, jobs[1], answers[0], {}, 0, false};
  return true;
}

bool HandOver(Worker& worker, std::size_t number, const Job& job) {
  const std::string record =
      std::to_string(number) + '\0' + job.folder.string() + '\0' + job.drawing + '\0' + job.output + '\0';
  std::size_t written = 0;
  while (written < record.size()) {
    const ssize_t n = write(worker.jobs, record.data() + written, record.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  worker.job = number;
  worker.busy = true;
  return true;
}

void Retire(Worker& worker) {
  if (worker.jobs >= 0) close(worker.jobs);
  if (worker.answers >= 0) close(worker.answers);
  if (worker.pid > 0) waitpid(worker.pid, nullptr, 0);
  worker = Worker{};
}

// The batch's own folder, which no other user can enter or foresee; empty,
// with the reason, when none can be made.
std::string MakeWorkFolder(std::string& reason) {
  const char* variable = std::getenv("TMPDIR");
  const std::string base = variable != nullptr && *variable != '\0' ? variable : "/tmp";
  std::string name = base + "/dxfelem-batch-XXXXXX";
  if (mkdtemp(name.data()) != nullptr) return name;
  reason = "cannot make a working folder in " + base + " (" + std::strerror(errno) +
           "; set TMPDIR to a folder you may write in): nothing was converted";
  return {};
}

// The worker's first message says how its conversion ended; the details
// follow it.
std::string FirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::string first;
  while (first.empty() && std::getline(in, line)) first = line;
  // The worker's message already names the tool.
  if (first.rfind("dxfelem: ", 0) == 0) first.erase(0, 9);
  return first;
}

}  // namespace

int RunBatch(const Options& options) {
  std::error_code error;
  fs::create_directories(options.outDir, error);
  if (error || !fs::is_directory(options.outDir)) {
    Tell("cannot make the folder " + options.outDir);
    return FinishOutput(kExitFailed);
  }
  std::string reason;
  // One element file per drawing, named after it: two drawings of one name
  // would overwrite each other's.
  std::vector<Job> jobs;
  std::set<std::string> outputs;
  for (const std::string& drawing : options.files) {
    const std::string output = (fs::path(options.outDir) / fs::path(drawing).stem()).string() + ".txt";
    if (!outputs.insert(output).second) {
      Tell("two drawings would both be written to " + output + ": nothing was converted");
      return FinishOutput(kExitFailed);
    }
    // What there is to say of the parameter file is said once.
    if (!OutputAllowed(output, "element file", drawing, options.parameterFile, options.section, reason, jobs.empty())) {
      Tell(reason);
      return FinishOutput(kExitFailed);
    }
    jobs.push_back({drawing, output, {}});
  }
  const std::string work = MakeWorkFolder(reason);
  if (work.empty()) {
    Tell(reason);
    return FinishOutput(kExitFailed);
  }
  for (std::size_t i = 0; i < jobs.size(); ++i) jobs[i].folder = fs::path(work) / std::to_string(i);
  // Stopped, the batch stops its workers (each removes what it was
  // writing), waits for them, and removes its folder.
  std::mutex runningMutex;
  std::set<pid_t> runningWorkers;
  const int cleanup = OnStop([&] {
    std::lock_guard<std::mutex> lock(runningMutex);
    for (const pid_t worker : runningWorkers) kill(worker, SIGTERM);
    for (const pid_t worker : runningWorkers) waitpid(worker, nullptr, 0);
    std::error_code ignored;
    fs::remove_all(work, ignored);
  });
  const bool terminal = isatty(STDERR_FILENO) != 0;
  std::vector<std::string> failures;
  std::size_t next = 0;
  std::size_t done = 0;
  const auto finish = [&](std::size_t number, bool converted, const std::string& why) {
    ++done;
    if (!converted) {
      const std::string said = FirstLine(jobs[number].folder / "messages");
      failures.push_back(jobs[number].drawing + ": " + (said.empty() ? why : said));
    }
    if (terminal) {
      std::fprintf(stderr, "\rdxfelem: %zu of %zu converted, %zu failed", done - failures.size(), jobs.size(),
                   failures.size());
      std::fflush(stderr);
    }
  };
  // Workers that live for many drawings, as many as may run at once.
  std::vector<Worker> workers(std::min<std::size_t>(static_cast<std::size_t>(options.jobs), jobs.size()));
  const auto start = [&](Worker& worker) {
    std::lock_guard<std::mutex> lock(runningMutex);
    if (!StartWorker(options, worker)) return false;
    runningWorkers.insert(worker.pid);
    return true;
  };
  const auto retire = [&](Worker& worker) {
    {
      std::lock_guard<std::mutex> lock(runningMutex);
      runningWorkers.erase(worker.pid);
    }
    Retire(worker);
  };
  std::string noProcess;
  while (done < jobs.size()) {
    // Every idle worker gets the next job; a worker that cannot take it
    // (it died) is replaced.
    for (Worker& worker : workers) {
      while (!worker.busy && next < jobs.size()) {
        if (worker.pid < 0 && !start(worker)) {
          noProcess = std::strerror(errno);
          break;
        }
        if (HandOver(worker, next, jobs[next])) {
          ++next;
        } else {
          retire(worker);
        }
      }
    }
    std::vector<pollfd> waiting;
    for (const Worker& worker : workers) {
      if (worker.busy) waiting.push_back({worker.answers, POLLIN, 0});
    }
    if (waiting.empty()) {
      // No worker could be started: the jobs left fail with the reason.
      for (; next < jobs.size(); ++next) finish(next, false, "no process could be started for it (" + noProcess + ")");
      continue;
    }
    if (poll(waiting.data(), waiting.size(), -1) < 0) continue;
    for (Worker& worker : workers) {
      if (!worker.busy) continue;
      const auto ready = std::find_if(waiting.begin(), waiting.end(),
                                      [&](const pollfd& p) { return p.fd == worker.answers && p.revents != 0; });
      if (ready == waiting.end()) continue;
      char chunk[256];
      const ssize_t n = read(worker.answers, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        // The worker ended without answering: its job did not end.
        const std::size_t number = worker.job;
        retire(worker);
        finish(number, false, "the conversion did not end");
        continue;
      }
      worker.heard.append(chunk, static_cast<std::size_t>(n));
      const std::size_t end = worker.heard.find('\n');
      if (end == std::string::npos) continue;
      const std::size_t space = worker.heard.find(' ');
      const bool converted = space < end && worker.heard.compare(space + 1, end - space - 1, "0") == 0;
      worker.heard.erase(0, end + 1);
      worker.busy = false;
      finish(worker.job, converted, "the conversion failed");
    }
  }
  for (Worker& worker : workers) retire(worker);
  // Each element file reached the disk before it took its name; the names
  // themselves do with the folder, synced once for the whole batch.
  const int folder = open(options.outDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0 || (fsync(folder) != 0 && errno != EINVAL)) {
    failures.push_back(options.outDir + ": the folder cannot be synced to disk (" + std::strerror(errno) +
                       "): its new names may be lost if the machine stops now");
  }
  if (folder >= 0) close(folder);
  ForgetCleanup(cleanup);
  fs::remove_all(work, error);
  if (terminal) std::fputc('\n', stderr);
  for (const std::string& failure : failures) Tell("failed: " + failure);
  Tell(std::to_string(jobs.size() - failures.size()) + " of " + std::to_string(jobs.size()) +
       " drawings converted into " + options.outDir);
  return FinishOutput(failures.empty() ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
