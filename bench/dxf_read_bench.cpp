// Reading a generated drawing of a million entities (about 185 MB) through
// the whole conversion frame, and the reading pass alone: every group code
// looked up, every value of a coordinate group converted, nothing built.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "dxf/dxf_line_reader.h"
#include "dxf/keyword_table.h"
#include "dxf/value_readers.h"
#include "dxfelem/dxfelem.h"
#include "platform/c_number_text.h"
#include "platform/text_input_file.h"

namespace {

constexpr int kEntities = 1000000;

// R2000-style LINE entities with handles, subclass markers and owners, as
// CAD programs write them: about 170 bytes per entity.
std::string GenerateDrawing() {
  const std::string path = (std::filesystem::temp_directory_path() / "dxfelem-bench-million.dxf").string();
  if (std::filesystem::exists(path)) return path;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fputs(
      "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$INSUNITS\r\n 70\r\n     4\r\n  0\r\nENDSEC\r\n"
      "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n",
      file);
  for (int i = 0; i < kEntities; ++i) {
    const double x = i * 0.731 + 0.123456;
    const double y = i * -0.417 + 1000.98765;
    std::fprintf(file,
                 "  0\r\nLINE\r\n  5\r\n%X\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\nPANEL_OUTLINE\r\n"
                 "100\r\nAcDbLine\r\n 10\r\n%.6f\r\n 20\r\n%.6f\r\n 30\r\n0.0\r\n 11\r\n%.6f\r\n 21\r\n%.6f\r\n"
                 " 31\r\n0.0\r\n",
                 i + 0x100, x, y, x + 10.5, y + 3.25);
  }
  std::fputs("  0\r\nENDSEC\r\n  0\r\nEOF\r\n", file);
  std::fclose(file);
  return path;
}

void BM_ReadMillionEntities(benchmark::State& state) {
  const std::string dxf = GenerateDrawing();
  const std::string out = (std::filesystem::temp_directory_path() / "dxfelem-bench-million.txt").string();
  for (auto _ : state) {
    ConversionResult record;
    benchmark::DoNotOptimize(DxfToTxt("", "", dxf.c_str(), out.c_str(), "", &record));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(std::filesystem::file_size(dxf)));
  state.SetItemsProcessed(state.iterations() * kEntities);
  std::remove(out.c_str());
}
BENCHMARK(BM_ReadMillionEntities)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadingPassAlone(benchmark::State& state) {
  const std::string dxf = GenerateDrawing();
  for (auto _ : state) {
    dxfelem::TextInputFile file;
    file.Open(dxf);
    dxfelem::DxfLineReader reader(file);
    double sum = 0.0;
    std::string_view text;
    while (dxfelem::ReadTrimmedLine(reader, text)) {
      const dxfelem::Token code = dxfelem::LookupKeyword(text);
      if (!dxfelem::ReadTrimmedLine(reader, text)) break;
      if (code == dxfelem::kGroup10 || code == dxfelem::kGroup20 || code == dxfelem::kGroup30 ||
          code == dxfelem::kGroup11 || code == dxfelem::kGroup21 || code == dxfelem::kGroup31) {
        sum += dxfelem::ParseDouble(text);
      } else {
        benchmark::DoNotOptimize(dxfelem::LookupKeyword(text));
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(std::filesystem::file_size(dxf)));
}
BENCHMARK(BM_ReadingPassAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
