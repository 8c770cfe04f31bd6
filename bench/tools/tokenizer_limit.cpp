// The tokenizer limit: what any reader of a DXF file must at least do, with
// nothing built from it. Reads every line with fgets, and converts every
// value that follows a numeric group code with strtod.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
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
  std::printf("%lld groups, sum %.3f\n", groups, sum);
  return 0;
}
