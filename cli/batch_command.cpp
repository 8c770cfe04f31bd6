// A batch of conversions: each drawing in a process of its own (the
// library's process-wide state allows one call at a time in a process),
// several at once, with a progress line on a terminal and one line per
// failure at the end.
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/file_checks.h"
#include "cli/tool_output.h"

namespace dxfelem::cli {
namespace {

namespace fs = std::filesystem;

struct Job {
  std::string drawing;
  std::string output;
  fs::path folder;  // the job's own folder: its copy of the settings, its messages
};

// The settings, and ROZOZ.INI beside them, copied for one job: the workers
// must not write back into the user's file at the same time.
bool CopySettings(const Options& options, const fs::path& folder, std::string& copy) {
  if (options.parameterFile.empty()) return true;
  std::error_code error;
  const fs::path source(options.parameterFile);
  copy = (folder / source.filename()).string();
  if (fs::exists(source, error)) fs::copy_file(source, copy, error);
  if (error) return false;
  const fs::path beside = source.has_parent_path() ? source.parent_path() : fs::path(".");
  for (const auto& entry : fs::directory_iterator(beside, error)) {
    if (strcasecmp(entry.path().filename().c_str(), "ROZOZ.INI") == 0) {
      fs::copy_file(entry.path(), folder / entry.path().filename(), error);
    }
  }
  return !error;
}

pid_t Start(const Options& options, const Job& job, const std::string& settings) {
  std::vector<std::string> arguments = {"dxfelem", "convert", job.drawing, job.output, "--quiet"};
  if (!settings.empty()) arguments.insert(arguments.end(), {"--params", settings, "--section", options.section});
  const std::string messages = (job.folder / "messages").string();
  const pid_t child = fork();
  if (child != 0) return child;
  std::FILE* errors = std::freopen(messages.c_str(), "w", stderr);
  if (errors == nullptr || std::freopen("/dev/null", "w", stdout) == nullptr) _exit(1);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  execv("/proc/self/exe", argv.data());
  _exit(127);
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
  if (!CheckParameterFile(options.parameterFile, options.section, reason)) {
    Tell(reason);
    return FinishOutput(kExitFailed);
  }
  // One element file per drawing, named after it: two drawings of one name
  // would overwrite each other's.
  std::vector<Job> jobs;
  std::set<std::string> outputs;
  const fs::path work = fs::temp_directory_path() / ("dxfelem-batch-" + std::to_string(getpid()));
  for (const std::string& drawing : options.files) {
    const std::string output = (fs::path(options.outDir) / fs::path(drawing).stem()).string() + ".txt";
    if (!outputs.insert(output).second) {
      Tell("two drawings would both be written to " + output + ": nothing was converted");
      return FinishOutput(kExitFailed);
    }
    if (!CheckOutputName(output, "element file", drawing, options.parameterFile, reason)) {
      Tell(reason);
      return FinishOutput(kExitFailed);
    }
    jobs.push_back({drawing, output, work / std::to_string(jobs.size())});
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  std::map<pid_t, std::size_t> running;
  std::vector<std::string> failures;
  std::size_t next = 0;
  std::size_t done = 0;
  while (done < jobs.size()) {
    while (next < jobs.size() && running.size() < static_cast<std::size_t>(options.jobs)) {
      Job& job = jobs[next];
      std::string settings;
      fs::create_directories(job.folder, error);
      const pid_t child = (!error && CopySettings(options, job.folder, settings)) ? Start(options, job, settings) : -1;
      if (child < 0) {
        failures.push_back(job.drawing + ": no process could be started for it");
        ++done;
      } else {
        running[child] = next;
      }
      ++next;
    }
    if (running.empty()) continue;
    int status = 0;
    const pid_t child = wait(&status);
    const auto found = running.find(child);
    if (found == running.end()) continue;
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
  fs::remove_all(work, error);
  if (terminal) std::fputc('\n', stderr);
  for (const std::string& failure : failures) Tell("failed: " + failure);
  Tell(std::to_string(jobs.size() - failures.size()) + " of " + std::to_string(jobs.size()) +
       " drawings converted into " + options.outDir);
  return FinishOutput(failures.empty() ? kExitSuccess : kExitFailed);
}

}  // namespace dxfelem::cli
