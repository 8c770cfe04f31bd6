#include "dxf/dxf_signature.h"

#include <cstring>

namespace dxfelem {
namespace {

constexpr int kSignatureLines = 32;
constexpr std::size_t kSignatureLineCapacity = 527;  // 526 characters and the zero

const char* SkipSpaces(const char* text) {
  while (*text == ' ') ++text;
  return text;
}

bool FindSignature(TextInputFile& file) {
  char line[kSignatureLineCapacity];
  for (int i = 0; i < kSignatureLines; ++i) {
    if (file.ReadLine(line, sizeof line) == 0) return false;
    if (*SkipSpaces(line) != '0') continue;
    // The first line that starts with '0' decides, whatever follows it.
    if (file.ReadLine(line, sizeof line) == 0) return false;
    return std::strncmp(SkipSpaces(line), "SECTION", 7) == 0;
  }
  return false;
}

}  // namespace

bool CheckDxfSignature(TextInputFile& file) {
  if (!file.Rewind()) return false;
  bool found = FindSignature(file);
  return file.Rewind() && found;
}

}  // namespace dxfelem
