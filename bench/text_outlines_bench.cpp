// Ten thousand TEXT labels in one font, converted with their outlines and
// without (Testo 0, where the same drawing's lines are the whole result):
// the difference is what the text outlines cost.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"

namespace {

constexpr int kLabels = 10000;

std::string Write(const char* name, const std::string& text) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  return path;
}

// Part labels "P1".."P9" of height 2.5 in a grid, each beside a LINE, so the
// drawing converts without texts too.
std::string GenerateDrawing() {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < kLabels; ++i) {
    const std::string x = std::to_string(i % 100 * 20);
    const std::string y = std::to_string(i / 100 * 5);
    dxf += "0\nLINE\n8\nCUT\n10\n" + x + "\n20\n" + y + "\n11\n" + x + "\n21\n" + y + ".5\n";
    dxf += "0\nTEXT\n8\nLABEL\n10\n" + x + "\n20\n" + y + "\n40\n2.5\n1\nP" + std::to_string(i % 9 + 1) + "\n";
  }
  return Write("dxfelem-bench-labels.dxf", dxf + "0\nENDSEC\n0\nEOF\n");
}

void Convert(benchmark::State& state, const char* settings) {
  const std::string dxf = GenerateDrawing();
  const std::string ini = Write("dxfelem-bench-labels.ini", settings);
  const std::string out = (std::filesystem::temp_directory_path() / "dxfelem-bench-labels.txt").string();
  for (auto _ : state) {
    ConversionResult record;
    benchmark::DoNotOptimize(DxfToTxt(ini.c_str(), "B", dxf.c_str(), out.c_str(), "", &record));
  }
  state.SetItemsProcessed(state.iterations() * kLabels);
  std::remove(out.c_str());
}

void BM_LabelsWithOutlines(benchmark::State& state) { Convert(state, "[B]\nConnect=0\nTesto=1\n"); }
void BM_LabelsWithoutText(benchmark::State& state) { Convert(state, "[B]\nConnect=0\nTesto=0\n"); }
BENCHMARK(BM_LabelsWithOutlines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LabelsWithoutText)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
