// The Linux private-profile layer answering the same questions as
// dll_runner's "ini" command answers with the Windows functions:
//   ini_query FILE SECTION KEY DEFAULT SIZE
#include <cstdio>
#include <cstdlib>

#include "platform/profile_file.h"

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  dxfelem::ProfileFile file(argv[1]);
  const std::string value = file.GetString(argv[2], argv[3], argv[4], static_cast<std::size_t>(std::atoi(argv[5])));
  std::printf("[%s] %d\n", value.c_str(), static_cast<int>(file.GetInt(argv[2], argv[3], 77)));
  return 0;
}
