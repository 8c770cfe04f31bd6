#include "cli/signal_watch.h"

#include <pthread.h>
#include <signal.h>
#include <strings.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

namespace dxfelem::cli {
namespace {

struct Cleanups {
  std::mutex mutex;
  std::map<int, std::function<void()>> byNumber;
  int next = 0;
};

// Never destroyed: a signal may arrive while the tool's statics are.
Cleanups& TheCleanups() {
  static Cleanups* cleanups = new Cleanups;
  return *cleanups;
}

sigset_t StopSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, signal);
  return set;
}

[[noreturn]] void Watch() {
  const sigset_t set = StopSignals();
  int received = 0;
  while (sigwait(&set, &received) != 0) {
  }
  {
    Cleanups& cleanups = TheCleanups();
    std::lock_guard<std::mutex> lock(cleanups.mutex);
    for (auto& [number, cleanup] : cleanups.byNumber) cleanup();
  }
  // Die of the signal itself: it is unblocked in this thread alone, with
  // its default action, and sent to this thread.
  std::signal(received, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, received);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  pthread_kill(pthread_self(), received);
  _exit(128 + received);
}

}  // namespace

void StartSignalWatch() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  const sigset_t set = StopSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  std::thread(Watch).detach();
}

int OnStop(std::function<void()> cleanup) {
  Cleanups& cleanups = TheCleanups();
  std::lock_guard<std::mutex> lock(cleanups.mutex);
  cleanups.byNumber.emplace(cleanups.next, std::move(cleanup));
  return cleanups.next++;
}

void ForgetCleanup(int number) {
  Cleanups& cleanups = TheCleanups();
  std::lock_guard<std::mutex> lock(cleanups.mutex);
  cleanups.byNumber.erase(number);
}

void RemoveOwnTemporaries(const std::string& path) {
  namespace fs = std::filesystem;
  if (path.empty()) return;
  std::error_code error;
  // The library puts its temporary beside the file a link finally names.
  const fs::path target = fs::weakly_canonical(fs::absolute(path, error), error);
  if (error) return;
  const std::string prefix = target.filename().string() + ".~" + std::to_string(getpid()) + "-";
  for (const auto& entry : fs::directory_iterator(target.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    // The name's case may differ: the hosts' file names ignore it.
    if (name.size() > prefix.size() + 4 && strncasecmp(name.c_str(), prefix.c_str(), prefix.size()) == 0 &&
        name.compare(name.size() - 4, 4, ".tmp") == 0) {
      fs::remove(entry.path(), error);
    }
  }
}

}  // namespace dxfelem::cli
