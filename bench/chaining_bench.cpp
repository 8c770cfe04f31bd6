// Joining shuffled, randomly reversed polygon sides into profiles, with the
// quadratic scan as written down beside it for comparison.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "geometry/profile_chaining.h"
#include "support/reference_chaining.h"

namespace {

struct Piece {
  dxfelem::Point3 a, b;
};

// `pieces` sides of decagons laid out on a grid, shuffled and turned.
std::vector<Piece> Pieces(int pieces) {
  std::vector<Piece> result;
  const int polygons = pieces / 10;
  const int columns = static_cast<int>(std::sqrt(polygons)) + 1;
  for (int p = 0; p < polygons; ++p) {
    const double cx = (p % columns) * 30.0;
    const double cy = (p / columns) * 30.0;
    for (int k = 0; k < 10; ++k) {
      const double a0 = k * 0.6283185307179586;
      const double a1 = (k + 1) % 10 * 0.6283185307179586;
      result.push_back(
          {{cx + 10 * std::cos(a0), cy + 10 * std::sin(a0), 0}, {cx + 10 * std::cos(a1), cy + 10 * std::sin(a1), 0}});
    }
  }
  std::mt19937 random(7);
  std::shuffle(result.begin(), result.end(), random);
  for (Piece& piece : result) {
    if (random() % 2) std::swap(piece.a, piece.b);
  }
  return result;
}

void Fill(dxfelem::Drawing& drawing, const std::vector<Piece>& pieces) {
  int entity = 0;
  for (const Piece& piece : pieces) {
    drawing.AddLine(dxfelem::SegmentTarget::kNewElement, ++entity, piece.a, piece.b, "PROFILE");
  }
}

// Times one joining of the pieces; filling and clearing the drawing are not timed.
template <typename Joining>
void TimeJoining(benchmark::State& state, Joining join, bool farPiece = false) {
  std::vector<Piece> pieces = Pieces(static_cast<int>(state.range(0)));
  // A stray entity far from the part, as in real drawings: it must not
  // change how the rest is found.
  if (farPiece) pieces.push_back({{1e9, 0, 0}, {1e9 + 1, 0, 0}});
  for (auto _ : state) {
    state.PauseTiming();
    dxfelem::Drawing drawing("bench");
    Fill(drawing, pieces);
    state.ResumeTiming();
    join(drawing, 0.001, nullptr, false);
    benchmark::DoNotOptimize(drawing.elements().size());
    state.PauseTiming();
    drawing.Clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The chaining with nothing taking the elements as it finishes them.
void ChainAlone(dxfelem::Drawing& drawing, double tolerance, const dxfelem::CodedLayerTest& isCoded, bool startPoints) {
  dxfelem::Chain(drawing, tolerance, isCoded, startPoints);
}

void BM_Chain(benchmark::State& state) { TimeJoining(state, ChainAlone); }
BENCHMARK(BM_Chain)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ChainWithAFarPiece(benchmark::State& state) { TimeJoining(state, ChainAlone, true); }
BENCHMARK(BM_ChainWithAFarPiece)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReferenceScan(benchmark::State& state) { TimeJoining(state, dxfelem::test::ReferenceChain); }
BENCHMARK(BM_ReferenceScan)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
