#include "support/child_process.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace dxfelem::test {

bool UnderAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

int RunInChild(const std::function<int()>& body, const ChildLimits& limits) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return -1000;
  if (child == 0) {
    if (limits.addressSpaceBytes > 0 && !UnderAddressSanitizer()) {
      const rlimit bound{static_cast<rlim_t>(limits.addressSpaceBytes), static_cast<rlim_t>(limits.addressSpaceBytes)};
      setrlimit(RLIMIT_AS, &bound);
    }
    if (limits.fileSizeBytes > 0) {
      // A write beyond the limit fails with EFBIG instead of killing the child.
      signal(SIGXFSZ, SIG_IGN);
      const rlimit bound{static_cast<rlim_t>(limits.fileSizeBytes), static_cast<rlim_t>(limits.fileSizeBytes)};
      setrlimit(RLIMIT_FSIZE, &bound);
    }
    _exit(body());
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1001;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? -WTERMSIG(status) : -1002;
}

}  // namespace dxfelem::test
