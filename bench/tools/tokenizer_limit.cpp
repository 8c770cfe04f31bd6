// The tokenizer limit: what any reader of a DXF file must at least do, with
// nothing built from it. Reads every line with fgets, and converts every
// value that follows a numeric group code with strtod.
//   tokenizer_limit DRAWING [BYTES OUT]
// With BYTES and OUT it then does what any converter must at least do with
// what it read: write an element file's BYTES to OUT in one thread, a
// mebibyte at a time, and sync them to disk once.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool WriteAndSync(long long bytes, const char* path) {
  // Lines of an element file's width.
  std::vector<char> chunk(1 << 20);
  for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = i % 80 == 79 ? '\n' : static_cast<char>('0' + i % 10);
  const int out = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) return false;
  for (long long written = 0; written < bytes;) {
    const long long n = std::min<long long>(bytes - written, static_cast<long long>(chunk.size()));
    if (write(out, chunk.data(), static_cast<std::size_t>(n)) != n) {
      close(out);
      return false;
    }
    written += n;
  }
  const bool synced = fsync(out) == 0;
  return close(out) == 0 && synced;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) return 2;
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) return 1;
  char code[512];
  char value[512];
  double sum = 0.0;
  long long groups = 0;
  while (std::fgets(code, sizeof code, file) != nullptr && std::fgets(value, sizeof value, file) != nullptr) {
    const long number = std::strtol(code, nullptr, 10);
    if ((number >= 10 && number < 60) || (number >= 210 && number < 240)) sum += std::strtod(value, nullptr);
    ++groups;
  }
  std::fclose(file);
  if (argc == 4 && !WriteAndSync(std::atoll(argv[2]), argv[3])) return 1;
  std::printf("%lld groups, sum %.3f\n", groups, sum);
  return 0;
}
