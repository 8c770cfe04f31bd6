// Writing the element file of a drawing of a million nodes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "geometry/drawing.h"
#include "output/text_element_writer.h"

namespace {

constexpr int kNodes = 1000000;

// Profiles of 4 nodes (a line, then an arc) with coordinates that use every
// digit, as converted drawings do.
void BuildDrawing(dxfelem::Drawing& drawing) {
  for (int i = 0; i < kNodes / 4; ++i) {
    const double x = i * 0.731 + 0.123456;
    const double y = i * -0.417 + 1000.98765;
    drawing.StartPath(i + 1, {x, y, 0.0}, "PANEL_OUTLINE");
    drawing.AddLine(dxfelem::SegmentTarget::kCurrentElement, i + 1, {x, y, 0}, {x + 10.5, y, 0}, "");
    drawing.AddArc(dxfelem::SegmentTarget::kCurrentElement, i + 1, {x + 10.5, y, 0}, {x + 12.1, y + 3.3, 0},
                   {x + 10.5, y + 6.6, -2.0}, "");
  }
}

void BM_WriteMillionNodes(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "dxfelem-bench-write.txt").string();
  dxfelem::Drawing drawing(path);
  BuildDrawing(drawing);
  for (auto _ : state) {
    benchmark::DoNotOptimize(dxfelem::WriteTextElementFile(drawing, 5));
  }
  state.SetItemsProcessed(state.iterations() * kNodes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(std::filesystem::file_size(path)));
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteMillionNodes)->Unit(benchmark::kMillisecond);

}  // namespace
