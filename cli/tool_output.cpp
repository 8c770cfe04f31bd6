#include "cli/tool_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dxfelem::cli {

void Tell(const std::string& message) { std::fprintf(stderr, "dxfelem: %s\n", message.c_str()); }

void Warn(const std::string& message) { std::fprintf(stderr, "dxfelem: warning: %s\n", message.c_str()); }

void PrintData(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int FinishOutput(int status) {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    Tell(std::string("cannot write to standard output") + (errno != 0 ? std::string(": ") + std::strerror(errno) : ""));
    return kExitFailed;
  }
  return status;
}

}  // namespace dxfelem::cli
