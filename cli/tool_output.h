// What the tool prints: data on standard output, every message on standard
// error, and a failed write of the data is a failed run.
#pragma once

#include <string>

namespace dxfelem::cli {

constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFound = 3;  // check: something was found

// A message for the user: "dxfelem: " and the text, on standard error.
void Tell(const std::string& message);
// A warning: the run goes on.
void Warn(const std::string& message);

// Data for standard output.
void PrintData(const std::string& text);

// The exit status once the data is out: kExitFailed, with a message, when
// standard output could not take all of it (a full disk, a closed pipe).
int FinishOutput(int status);

}  // namespace dxfelem::cli
