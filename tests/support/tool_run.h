// Running the command-line tool as a user runs it, with its standard output
// and standard error kept apart.
#pragma once

#include <string>
#include <vector>

namespace dxfelem::test {

struct ToolRun {
  int exitStatus = -1;
  std::string out;     // standard output: data only
  std::string err;     // standard error: the messages
  std::string output;  // both, output first
};

// Arguments (and `environment`, "NAME=value ..." put before the command)
// pass through the shell; the tests quote what needs it. Standard output
// goes to `stdoutTarget` when one is given (such as /dev/full).
ToolRun RunTool(const std::string& arguments, const std::string& environment = "",
                const std::string& stdoutTarget = "");

// Starts the tool without a shell between, with the variables ("NAME=value")
// set, its standard error going to `errors` (or nowhere); the process number.
int StartTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
              const std::string& errors = "/dev/null");
// Waits for a tool started so: its exit status, or 128 + the signal it died of.
int WaitForTool(int process);

// A path quoted for the shell.
std::string Quoted(const std::string& path);

// The environment (NAME=value ..., for RunTool) that puts the shim of
// failing_open.c into a run of the tool, with its own variables.
std::string WithFailingOpen(const std::string& variables);

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace dxfelem::test
