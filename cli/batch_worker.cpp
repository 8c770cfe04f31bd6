// A worker of a batch: one process that converts drawing after drawing as
// the batch hands them over, so that a batch of many small drawings does
// not pay for a process, the library's loading and the font system's
// set-up per drawing. One conversion at a time, as the library wants.
//
// The batch writes each job on standard input as four fields, each ended
// by a NUL byte: its number, its folder, the drawing and the element file.
// The worker answers on descriptor 3 with "NUMBER STATUS\n" once the
// element file is written (or the conversion failed); the job's messages
// are in the file "messages" of its folder.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>

#include "cli/commands.h"
#include "cli/signal_watch.h"
#include "cli/tool_output.h"

namespace dxfelem::cli {
namespace {

namespace fs = std::filesystem;

// A new file in the batch's own folder, never through a link and never
// over a file that is there.
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

// The settings, and ROZOZ.INI beside them, copied for one job: conversions
// must not write back into the user's file at the same time. The copies go
// into a folder of their own, so that no name of the user's (a parameter
// file named "messages") meets the job's own files.
bool CopySettings(const std::string& parameterFile, const fs::path& folder, std::string& copy) {
  if (parameterFile.empty()) return true;
  std::error_code error;
  const fs::path settings = folder / "settings";
  if (mkdir(settings.c_str(), 0700) != 0) return false;
  const fs::path source(parameterFile);
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

// One field of a job, up to its NUL; false at the end of the input.
bool ReadField(std::string& field) {
  field.clear();
  for (int c = std::getchar(); c != EOF; c = std::getchar()) {
    if (c == '\0') return true;
    field.push_back(static_cast<char>(c));
  }
  return false;
}

bool Answer(const std::string& number, int status) {
  const std::string line = number + " " + std::to_string(status) + "\n";
  return write(3, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

}  // namespace

int RunBatchWorker(const std::string& parameterFile, const std::string& section) {
  // Stopped, the worker leaves nothing of its own beside the element file
  // it was writing.
  std::mutex currentMutex;
  std::string current;
  OnStop([&] {
    std::lock_guard<std::mutex> lock(currentMutex);
    RemoveOwnTemporaries(current);
  });
  std::string number, folder, drawing, output;
  while (ReadField(number) && ReadField(folder) && ReadField(drawing) && ReadField(output)) {
    std::string settings;
    const bool ready = mkdir(folder.c_str(), 0700) == 0 && CopySettings(parameterFile, folder, settings);
    const int messages = CreateExclusive(fs::path(folder) / "messages");
    std::fflush(stderr);
    if (messages < 0 || dup2(messages, STDERR_FILENO) < 0) return kExitFailed;
    close(messages);
    int status = kExitFailed;
    if (!ready) {
      Tell("its settings cannot be copied into " + folder);
    } else {
      {
        std::lock_guard<std::mutex> lock(currentMutex);
        current = output;
      }
      Options options;
      options.files = {drawing, output};
      options.parameterFile = settings;
      options.section = parameterFile.empty() ? std::string() : section;
      options.quiet = true;
      status = RunConvert(options);
    }
    std::fflush(stderr);
    if (!Answer(number, status)) return kExitFailed;
  }
  return kExitSuccess;
}

}  // namespace dxfelem::cli
