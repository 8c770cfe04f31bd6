#include "support/tool_run.h"

#include <sys/wait.h>

#include <cstdio>

#include "support/temp_dir.h"

namespace dxfelem::test {

std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
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
