#include "support/tool_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace dxfelem::test {

int StartTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
              const std::string& errors) {
  const pid_t child = fork();
  if (child != 0) return child;
  for (const std::string& variable : environment) putenv(const_cast<char*>(variable.c_str()));
  std::vector<char*> argv{const_cast<char*>(DXFELEM_CLI)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  if (std::freopen(errors.c_str(), "w", stderr) == nullptr || std::freopen("/dev/null", "w", stdout) == nullptr) {
    _exit(126);
  }
  execv(DXFELEM_CLI, argv.data());
  _exit(127);
}

int WaitForTool(int process) {
  int status = 0;
  while (waitpid(process, &status, 0) < 0) {
  }
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace dxfelem::test
