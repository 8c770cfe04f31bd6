// A batch of conversions: each drawing in a process of its own (the
// library's process-wide state allows one call at a time in a process),
// several at once, with a progress line on a terminal and one line per
// failure at the end.
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
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

// A new file in the tool's own folder, never through a link and never over
// a file that is there.
int CreateExclusive(const fs::path& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

bool CopyFile(const fs::path& from, const fs::path& to) {
  const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  const int target = CreateExclusive(to);
  bool ok = target >= 0;
  char chunk[65536];
  while (ok) {
    const ssize_t n = read(source, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = write(target, chunk, static_cast<std::size_t>(n)) == n;
  }
  close(source);
  if (target >= 0) ok = close(target) == 0 && ok;
  return ok;
}

// The settings, and ROZOZ.INI beside them, copied for one job: the workers
// must not write back into the user's file at the same time. The copies go
// into a folder of their own, so that no name of the user's (a parameter
// file named "messages") meets the job's own files.
bool CopySettings(const Options& options, const fs::path& folder, std::string& copy) {
  if (options.parameterFile.empty()) return true;
  std::error_code error;
  const fs::path settings = folder / "settings";
  if (mkdir(settings.c_str(), 0700) != 0) return false;
  const fs::path source(options.parameterFile);
  copy = (settings / source.filename()).string();
  if (fs::exists(source, error) && !CopyFile(source, copy)) return false;
  const fs::path beside = source.has_parent_path() ? source.parent_path() : fs::path(".");
  for (const auto& entry : fs::directory_iterator(beside, error)) {
    if (strcasecmp(entry.path().filename().c_str(), "ROZOZ.INI") == 0 &&
        !CopyFile(entry.path(), settings / entry.path().filename())) {
      return false;
    }
  }
  return !error;
}

pid_t Start(const Options& options, const Job& job, const std::string& settings) {
  std::vector<std::string> arguments = {"dxfelem", "convert", job.drawing, job.output, "--quiet"};
  if (!settings.empty()) arguments.insert(arguments.end(), {"--params", settings, "--section", options.section});
  const int messages = CreateExclusive(job.folder / "messages");
  if (messages < 0) return -1;
  const pid_t child = fork();
  if (child != 0) {
    close(messages);
    return child;
  }
  const int nothing = open("/dev/null", O_WRONLY);
  if (nothing < 0 || dup2(messages, STDERR_FILENO) < 0 || dup2(nothing, STDOUT_FILENO) < 0) _exit(1);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  execv("/proc/self/exe", argv.data());
  _exit(127);
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
  std::map<pid_t, std::size_t> running;
  std::vector<std::string> failures;
  std::size_t next = 0;
  std::size_t done = 0;
  while (done < jobs.size()) {
    while (next < jobs.size() && running.size() < static_cast<std::size_t>(options.jobs)) {
      Job& job = jobs[next];
      std::string settings;
      const bool ready = mkdir(job.folder.c_str(), 0700) == 0 && CopySettings(options, job.folder, settings);
      const int why = errno;
      std::lock_guard<std::mutex> lock(runningMutex);
      const pid_t child = ready ? Start(options, job, settings) : -1;
      if (child < 0) {
        failures.push_back(
            job.drawing + ": no process could be started for it (" +
            (ready ? std::strerror(errno)
                   : "its settings cannot be copied into " + work + ": " + std::string(std::strerror(why))) +
            ")");
        ++done;
      } else {
        running[child] = next;
        runningWorkers.insert(child);
      }
      ++next;
    }
    if (running.empty()) continue;
    int status = 0;
    const pid_t child = wait(&status);
    const auto found = running.find(child);
    if (found == running.end()) continue;
    {
      std::lock_guard<std::mutex> lock(runningMutex);
      runningWorkers.erase(child);
    }
    const Job& job = jobs[found->second];
    running.erase(found);
    ++done;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      const std::string said = FirstLine(job.folder / "messages");
      failures.push_back(job.drawing + ": " + (said.empty() ? "the conversion did not end" : said));
    }
    if (terminal) {
      std::fprintf(stderr, "\rdxfelem: %zu of %zu converted, %zu failed", done - failures.size(), jobs.size(),
                   failures.size());
      std::fflush(stderr);
    }
  }
  ForgetCleanup(cleanup);
  fs::remove_all(work, error);
  if (terminal) std::fputc('\n', stderr);
  for (const std::string& failure : failures) Tell("failed: " + failure);
  Tell(std::to_string(jobs.size() - failures.size()) + " of " + std::to_string(jobs.size()) +
       " drawings converted into " + options.outDir);
  return FinishOutput(failures.empty() ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
