// The command-line tool as a user sees it: sessions written down as shell
// transcripts (tests/data/transcripts, the format in its README.md), each
// command run in a folder of its own session and its output compared with
// what the transcript says, line by line. DXFELEM_TRANSCRIPTS_UPDATE=1
// writes what the tool said into the transcripts that differ, for review.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

const std::string kFolder = DXFELEM_TEST_DATA "/transcripts";

struct Command {
  std::size_t line = 0;           // of its "$ ", from 1
  std::string text;               // the shell command, continuation lines joined by newlines
  std::vector<std::string> said;  // the output expected, then "[N]" for an exit status N other than 0
  std::size_t saidTo = 0;         // the transcript's line its output ends on
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Indented lines are the session: "  $ " starts a command, "  > " goes on
// with it, other indented lines are its output; the rest is commentary.
std::vector<Command> Commands(const std::vector<std::string>& lines) {
  std::vector<Command> commands;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.rfind("  $ ", 0) == 0) {
      commands.push_back({i + 1, line.substr(4), {}, i + 1});
    } else if (!commands.empty() && line.rfind("  > ", 0) == 0 && commands.back().said.empty()) {
      commands.back().text += "\n" + line.substr(4);
      commands.back().saidTo = i + 1;
    } else if (!commands.empty() && line.rfind("  ", 0) == 0 && commands.back().saidTo == i) {
      commands.back().said.push_back(line.substr(2));
      commands.back().saidTo = i + 1;
    }
  }
  return commands;
}

// A line with bytes a terminal would not show is written with escapes and
// marked " (esc)".
std::string Shown(const std::string& line) {
  if (std::none_of(line.begin(), line.end(), [](unsigned char c) { return (c < 0x20 && c != '\t') || c >= 0x7f; }))
    return line;
  std::string shown;
  char hex[8];
  for (unsigned char c : line) {
    if (c == '\r') shown += "\\r";
    else if (c == '\\') shown += "\\\\";
    else if ((c < 0x20 && c != '\t') || c >= 0x7f) std::snprintf(hex, sizeof hex, "\\x%02x", c), shown += hex;
    else shown += static_cast<char>(c);
  }
  return shown + " (esc)";
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
}

// Runs one command in the session's folder, its messages merged with its
// output, and gives back what it said as the transcript writes it.
std::vector<std::string> RunInSession(const std::string& command, const std::string& folder) {
  const std::string tools = std::filesystem::path(DXFELEM_CLI).parent_path();
  const std::string shell = "cd " + test::Quoted(folder) + " && export PATH=" + test::Quoted(tools) +
                            ":\"$PATH\" DATA=" + test::Quoted(DXFELEM_TEST_DATA) +
                            " SOURCE=" + test::Quoted(DXFELEM_SOURCE_DIR) +
                            " FAILING_OPEN=" + test::Quoted(DXFELEM_FAILING_OPEN) +
                            // The shell's own messages and sort orders the same on every machine.
                            " LC_ALL=C.UTF-8" +
                            // Under the sanitizers: the shim may come first, and a leak check that
                            // used its suppressions says nothing.
                            " ASAN_OPTIONS=\"${ASAN_OPTIONS}:verify_asan_link_order=0\"" +
                            " LSAN_OPTIONS=\"${LSAN_OPTIONS}:print_suppressions=0\" && (\n" + command +
                            "\n) 2>&1";
  std::FILE* pipe = popen(shell.c_str(), "r");
  std::string output;
  char chunk[4096];
  while (std::size_t n = pipe != nullptr ? std::fread(chunk, 1, sizeof chunk, pipe) : 0) output.append(chunk, n);
  const int status = pipe != nullptr ? pclose(pipe) : -1;
  ReplaceAll(output, folder + "/", "");
  ReplaceAll(output, DXFELEM_TEST_DATA, "$DATA");
  ReplaceAll(output, DXFELEM_SOURCE_DIR, "$SOURCE");
  std::vector<std::string> said;
  for (const std::string& line : Lines(output)) said.push_back(Shown(line));
  if (!output.empty() && output.back() != '\n') said.back() += " (no-eol)";
  if (!WIFEXITED(status)) said.push_back("[killed]");
  else if (WEXITSTATUS(status) != 0) said.push_back("[" + std::to_string(WEXITSTATUS(status)) + "]");
  return said;
}

// Line by line; a line "..." stands for any lines, none included.
bool Matches(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  std::size_t e = 0, a = 0, starE = std::string::npos, starA = 0;
  while (a < actual.size()) {
    if (e < expected.size() && expected[e] == "...") {
      starE = e++;
      starA = a;
    } else if (e < expected.size() && expected[e] == actual[a]) {
      ++e, ++a;
    } else if (starE != std::string::npos) {
      e = starE + 1;
      a = ++starA;
    } else {
      return false;
    }
  }
  while (e < expected.size() && expected[e] == "...") ++e;
  return e == expected.size();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "  " + line + "\n";
  return text;
}

class Transcript : public ::testing::TestWithParam<std::string> {};

TEST_P(Transcript, SaysWhatItSays) {
  const std::string path = kFolder + "/" + GetParam() + ".t";
  std::vector<std::string> lines = Lines(test::ReadFileBytes(path));
  const std::vector<Command> commands = Commands(lines);
  ASSERT_FALSE(commands.empty()) << path;
  test::TempDir folder;
  std::vector<std::pair<std::size_t, std::vector<std::string>>> updates;  // command, what it said
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const Command& command = commands[i];
    const std::vector<std::string> said = RunInSession(command.text, folder.path().string());
    if (Matches(command.said, said)) continue;
    updates.emplace_back(i, said);
    ADD_FAILURE_AT(path.c_str(), static_cast<int>(command.line)) << "$ " << command.text << "\nexpected:\n"
                                                                 << Joined(command.said) << "said:\n"
                                                                 << Joined(said);
  }
  if (updates.empty() || std::getenv("DXFELEM_TRANSCRIPTS_UPDATE") == nullptr) return;
  // From the end, so that the line numbers of the blocks before still hold.
  for (auto update = updates.rbegin(); update != updates.rend(); ++update) {
    const Command& command = commands[update->first];
    const auto end = lines.begin() + static_cast<std::ptrdiff_t>(command.saidTo);
    const auto start = lines.erase(end - static_cast<std::ptrdiff_t>(command.said.size()), end);
    std::vector<std::string> indented;
    for (const std::string& line : update->second) indented.push_back("  " + line);
    lines.insert(start, indented.begin(), indented.end());
  }
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << "\n";
}

std::vector<std::string> TranscriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
    if (entry.path().extension() == ".t") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript, ::testing::ValuesIn(TranscriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
                           return name;
                         });

}  // namespace
}  // namespace dxfelem
