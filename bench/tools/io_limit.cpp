// The reading and writing any converter must do: the tokenizer limit's
// reading (fgets, strtod on every numeric value), then an element file's
// bytes written to OUT in one thread and synced to disk once.
//   io_limit DRAWING BYTES OUT
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) return 1;
  char code[512];
  char value[512];
  double sum = 0.0;
  while (std::fgets(code, sizeof code, file) != nullptr && std::fgets(value, sizeof value, file) != nullptr) {
    const long number = std::strtol(code, nullptr, 10);
    if ((number >= 10 && number < 60) || (number >= 210 && number < 240)) sum += std::strtod(value, nullptr);
  }
  std::fclose(file);
  // Lines of an element file's width, written a mebibyte at a time.
  const long long bytes = std::atoll(argv[2]);
  std::vector<char> chunk(1 << 20);
  for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = i % 80 == 79 ? '\n' : static_cast<char>('0' + i % 10);
  const int out = open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) return 1;
  for (long long written = 0; written < bytes;) {
    const long long n = std::min<long long>(bytes - written, static_cast<long long>(chunk.size()));
    if (write(out, chunk.data(), static_cast<std::size_t>(n)) != n) return 1;
    written += n;
  }
  const bool synced = fsync(out) == 0;
  close(out);
  std::printf("sum %.3f\n", sum);
  return synced ? 0 : 1;
}
