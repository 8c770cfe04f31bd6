#include "support/tool_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "support/temp_dir.h"

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

std::string WithFailingOpen(const std::string& variables) {
  return "LD_PRELOAD=" + Quoted(DXFELEM_FAILING_OPEN) + " " + variables +
         " ASAN_OPTIONS=\"${ASAN_OPTIONS}:verify_asan_link_order=0\"";
}

ToolRun RunTool(const std::string& arguments, const std::string& environment, const std::string& stdoutTarget) {
  ToolRun run;
  TempDir dir;
  const std::string errors = dir.File("stderr");
  std::string command =
      environment + (environment.empty() ? "" : " ") + Quoted(DXFELEM_CLI) + " " + arguments + " 2>" + Quoted(errors);
  if (!stdoutTarget.empty()) command += " >" + Quoted(stdoutTarget);
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char chunk[4096];
  while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) run.out.append(chunk, n);
  const int status = pclose(pipe);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFileBytes(errors);
  run.output = run.out + run.err;
  return run;
}

}  // namespace dxfelem::test
