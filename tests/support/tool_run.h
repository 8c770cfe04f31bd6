// Running the command-line tool as a user runs it.
#pragma once

#include <string>
#include <vector>

namespace dxfelem::test {

// Starts the tool without a shell between, with the variables ("NAME=value")
// set, its standard error going to `errors` (or nowhere); the process number.
int StartTool(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
              const std::string& errors = "/dev/null");
// Waits for a tool started so: its exit status, or 128 + the signal it died of.
int WaitForTool(int process);

// A path quoted for the shell.
std::string Quoted(const std::string& path);

}  // namespace dxfelem::test
