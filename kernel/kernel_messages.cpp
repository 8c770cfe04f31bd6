#include "kernel/kernel_messages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/path_parts.h"
#include "platform/text_input_file.h"
#include "platform/user_message.h"

namespace dxfelem {
namespace {

constexpr std::string_view kCaption = "VU-RIR Message";
constexpr std::size_t kMessageLineCapacity = 128;  // 127 characters per read

std::string MessageFilePath() {
  const char* folder = std::getenv("ZIZAVE");
  if (folder == nullptr) return "VIRID.DAT";
  return std::string(folder) + kPathSeparator + "MSG" + kPathSeparator + "VIRID.DAT";
}

}  // namespace

void tg_memory_error(const char* place) {
  ShowUserMessage(kCaption, std::string("Memory Error: ") + (place != nullptr ? place : ""));
}

void tg_report_error(const char* keyword, int number, const char* place) {
  TextInputFile file;
  if (keyword == nullptr || !file.Open(MessageFilePath())) return;
  char line[kMessageLineCapacity];
  while (file.ReadLine(line, sizeof line) != 0) {
    // The first word ends at the first space or tab; a line without one has none.
    const std::size_t wordEnd = std::strcspn(line, " \t");
    if (line[wordEnd] == '\0' || std::string_view(line, wordEnd) != keyword) continue;
    const char* rest = line + wordEnd + std::strspn(line + wordEnd, " \t");
    std::string_view text(rest);
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    char location[512];
    std::snprintf(location, sizeof location, "Location: %s Error Nr: %d", place != nullptr ? place : "", number);
    // A space between the keyword and its text reads better than none.
    ShowUserMessage(kCaption, std::string(keyword) + " " + std::string(text) + "\n" + location);
    return;
  }
}

}  // namespace dxfelem
