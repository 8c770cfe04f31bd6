// Joining pieces into profiles: hand-worked cases, and the fast chaining
// against the scan as written down on many random drawings; the sort its
// grid is built with.
#include "geometry/profile_chaining.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "geometry/high_half_sort.h"
#include "support/reference_chaining.h"

namespace dxfelem {
namespace {

std::string Describe(const Element& element) {
  std::string text = element.layer() + "[";
  for (const ElementNode& node : element.nodes()) {
    text += std::string(NodeMnemonic(node.code)) + "(" + std::to_string(node.x) + "," + std::to_string(node.y) + "," +
            std::to_string(node.z) + "#" + std::to_string(node.entity) + ")";
  }
  return text + "]\n";
}

std::string Describe(const Drawing& drawing) {
  std::string text;
  for (const Element& element : drawing.elements()) text += Describe(element);
  return text;
}

// The elements as they were when the chaining handed them over.
struct HandedElements : FinishedElements {
  std::string text;
  void Take(Element& element) override { text += Describe(element); }
};

void Segment(Drawing& drawing, const std::string& layer, int entity, Point3 a, Point3 b) {
  drawing.AddLine(SegmentTarget::kNewElement, entity, a, b, layer);
}

TEST(Chaining, HandWorkedJoins) {
  Drawing drawing("x");
  Segment(drawing, "A", 1, {0, 0, 0}, {10, 0, 0});
  Chain(drawing, 0.001, nullptr, true);
  EXPECT_EQ(Describe(drawing), "A[INI(0.000000,0.000000,0.000000#1)FIN(10.000000,0.000000,0.000000#1)]\n");

  // End to start: INI, VER, FIN, the joint at the first piece's end.
  drawing.Clear();
  Segment(drawing, "A", 1, {0, 0, 0}, {10, 0, 0});
  Segment(drawing, "a", 2, {10, 0, 0}, {10, 5, 0});  // another layer: never joined
  Segment(drawing, "A", 3, {10.0005, 0, 0}, {10, 10, 0});
  Chain(drawing, 0.001, nullptr, false);
  EXPECT_EQ(
      Describe(drawing),
      "A[INI(0.000000,0.000000,0.000000#1)VER(10.000000,0.000000,0.000000#1)FIN(10.000000,10.000000,0.000000#3)]\n"
      "a[INI(10.000000,0.000000,0.000000#2)FIN(10.000000,5.000000,0.000000#2)]\n");

  // End to end: the second is reversed. Start to start: the first is.
  drawing.Clear();
  Segment(drawing, "A", 1, {0, 0, 0}, {10, 0, 0});
  Segment(drawing, "A", 2, {20, 0, 0}, {10, 0, 0});
  Chain(drawing, 0.001, nullptr, false);
  EXPECT_EQ(
      Describe(drawing),
      "A[INI(0.000000,0.000000,0.000000#1)VER(10.000000,0.000000,0.000000#1)FIN(20.000000,0.000000,0.000000#2)]\n");
  drawing.Clear();
  Segment(drawing, "A", 1, {0, 0, 0}, {10, 0, 0});
  Segment(drawing, "A", 2, {0, 0, 0}, {0, 10, 0});
  Chain(drawing, 0.001, nullptr, false);
  EXPECT_EQ(
      Describe(drawing),
      "A[INI(10.000000,0.000000,0.000000#1)VER(0.000000,0.000000,0.000000#1)FIN(0.000000,10.000000,0.000000#2)]\n");
}

TEST(Chaining, RectangleSidesInAnyOrderKeepTheirGap) {
  Drawing drawing("x");
  // Four sides, shuffled and turned, one ending 0.0005 short of a corner.
  // Side 1 takes side 3 turned round (end to end), then side 2 turned round
  // (its end 0.0005 from the joint, which keeps side 3's corner), then side
  // 4 (end to start), which closes the profile exactly.
  Segment(drawing, "R", 1, {10, 5, 0}, {10, 0, 0});
  Segment(drawing, "R", 2, {0, 5, 0}, {0, 0.0005, 0});
  Segment(drawing, "R", 3, {0, 0, 0}, {10, 0, 0});
  Segment(drawing, "R", 4, {0, 5, 0}, {10, 5, 0});
  Chain(drawing, 0.001, nullptr, false);
  Clean(drawing);
  EXPECT_EQ(Describe(drawing),
            "R[INI(10.000000,5.000000,0.000000#1)VER(10.000000,0.000000,0.000000#1)VER(0.000000,0.000000,0.000000#3)"
            "VER(0.000000,5.000000,0.000000#2)FIN(10.000000,5.000000,0.000000#4)]\n");
  // In drawing order, the last side ends 0.0005 from the first one's start:
  // no node is moved to close the gap.
  drawing.Clear();
  Segment(drawing, "R", 1, {0, 0, 0}, {10, 0, 0});
  Segment(drawing, "R", 2, {10, 5, 0}, {10, 0, 0});
  Segment(drawing, "R", 3, {10, 5, 0}, {0, 5, 0});
  Segment(drawing, "R", 4, {0, 5, 0}, {0, 0.0005, 0});
  Chain(drawing, 0.001, nullptr, false);
  EXPECT_EQ(Describe(drawing),
            "R[INI(0.000000,0.000000,0.000000#1)VER(10.000000,0.000000,0.000000#1)VER(10.000000,5.000000,0.000000#2)"
            "VER(0.000000,5.000000,0.000000#3)FIN(0.000000,0.000500,0.000000#4)]\n");
}

TEST(Chaining, ClosedArcEndedAndCodedPiecesStayAlone) {
  Drawing drawing("x");
  Element& closed = drawing.elements().emplace_back(drawing.names().Intern("A"));
  for (Point3 p : {Point3{0, 0, 0}, Point3{5, 0, 0}, Point3{0, 5, 0}, Point3{0, 0, 0}})
    closed.AddNode(MakeNode(kNodeVer, 1, p));
  Element& arc = drawing.elements().emplace_back(drawing.names().Intern("A"));
  arc.AddNode(MakeNode(kNodeMed, 2, {0, 0, 0}));
  arc.AddNode(MakeNode(kNodeFin, 2, {3, 3, 0}));
  Segment(drawing, "CUT", 3, {0, 0, 0}, {1, 0, 0});
  Segment(drawing, "CUT", 4, {1, 0, 0}, {2, 0, 0});
  const std::string before = Describe(drawing);
  Chain(
      drawing, 0.5, [](const std::string& layer) { return layer == "CUT"; }, false);
  EXPECT_EQ(Describe(drawing), before);
  ReverseAll(drawing);
  EXPECT_EQ(drawing.elements().front().nodes().front().code, kNodeIni);  // the closed polygon is turned round
  EXPECT_EQ(drawing.elements().front().nodes()[1].x, 0.0);
}

TEST(Chaining, StartPointsMakeTheProfileStartThere) {
  Drawing drawing("x");
  drawing.AddMacroCall(1, {10, 0.0004, 0}, "A", "HINGE");  // any single node, even a macro call
  Segment(drawing, "A", 2, {0, 0, 0}, {10, 0, 0});
  drawing.AddIsolatedPoint(3, {50, 50, 0}, 0.001, "A");  // matches nothing: stays
  drawing.AddIsolatedPoint(4, {0, 0, 0}, 0.001, "B");    // other layer: stays
  Chain(drawing, 0.001, nullptr, true);
  EXPECT_EQ(Describe(drawing),
            "A[INI(10.000000,0.000000,0.000000#2)FIN(0.000000,0.000000,0.000000#2)]\n"
            "A[ISO(50.000000,50.000000,0.000000#3)]\n"
            "B[ISO(0.000000,0.000000,0.000000#4)]\n");
}

TEST(Chaining, CleanRemovesShortPiecesAndCloseVertices) {
  Drawing drawing("x");
  Segment(drawing, "A", 1, {0, 0, 0}, {0.0099999, 0, 0});
  Segment(drawing, "A", 2, {0, 0, 0}, {0.0100001, 0, 0});
  Element& path = drawing.elements().emplace_back(drawing.names().Intern("A"));
  path.AddNode(MakeNode(kNodeIni, 3, {0, 0, 0}));
  path.AddNode(MakeNode(kNodeVer, 3, {1, 0, 0}));
  path.AddNode(MakeNode(kNodeVer, 3, {1.005, 0, 0}));
  path.AddNode(MakeNode(kNodeVer, 3, {1.01, 0, 0}));
  path.AddNode(MakeNode(kNodeMed, 3, {1.015, 0, 0}));
  path.AddNode(MakeNode(kNodeFin, 3, {1.02, 0, 0}));
  Clean(drawing);
  ASSERT_EQ(drawing.elements().size(), 2u);
  // The first two vertices go (each within 0.01 of the next VER); the third
  // stays (a MED follows), and so do MED and FIN.
  EXPECT_EQ(Describe(drawing),
            "A[INI(0.000000,0.000000,0.000000#2)FIN(0.010000,0.000000,0.000000#2)]\n"
            "A[INI(0.000000,0.000000,0.000000#3)VER(1.010000,0.000000,0.000000#3)MED(1.015000,0.000000,0.000000#3)"
            "FIN(1.020000,0.000000,0.000000#3)]\n");
}

// Random drawings on a coarse grid, so that ties, several candidates within
// the tolerance, reversed pieces, closed pieces, MED ends, coded layers and
// start points all occur often. A walk starts most pieces where the one
// before ended, as drawn outlines do: the piece after a profile is then
// mostly, but not always, the one the scan takes.
void RandomDrawing(std::mt19937& random, Drawing& drawing, int pieces, bool walk = false, int span = 6) {
  const char* layers[] = {"A", "B", "CUT"};
  auto coordinate = [&]() { return static_cast<double>(random() % span) + (random() % 4 == 0 ? 0.3 : 0.0); };
  Point3 last{0, 0, 0};
  for (int i = 0; i < pieces; ++i) {
    const std::string layer = layers[random() % (walk ? 2 : 3)];
    Point3 a{coordinate(), coordinate(), random() % 8 == 0 ? 1.0 : 0.0};
    if (walk && random() % 5 != 0) a = last;
    Point3 b{coordinate(), coordinate(), 0.0};
    if (walk && random() % 6 == 0) std::swap(a, b);
    last = b;
    switch (random() % 8) {
      case 0: drawing.AddIsolatedPoint(i, a, 0.001, layer); break;
      case 1: drawing.AddMacroCall(i, a, layer, "M"); break;
      case 2: {
        Element& element = drawing.elements().emplace_back(drawing.names().Intern(layer));
        element.AddNode(MakeNode(random() % 2 ? kNodeMed : kNodeIni, i, a));
        element.AddNode(MakeNode(kNodeFin, i, b));
        break;
      }
      case 3: drawing.AddArc(SegmentTarget::kNewElement, i, a, {a.x + 0.5, a.y + 0.7, 0}, b, layer); break;
      default: drawing.AddLine(SegmentTarget::kNewElement, i, a, b, layer); break;
    }
  }
}

// Three kinds of random drawing, every element handed over as it is final:
// small and middling ones with every tolerance, coded layers and start points; hundreds of ends on a few spots
// (pieces die in the middle of crowded cells, which are then compacted, and
// the pieces left in them must still be found); and coordinates of every
// size with a piece far away (the cells follow the tolerance, not the
// drawing's extent, even below the rounding of large coordinates).
TEST(Chaining, FastChainingEqualsTheScanOnRandomDrawings) {
  const CodedLayerTest coded = [](const std::string& layer) { return layer == "CUT"; };
  const struct {
    const char* kind;
    unsigned seed;
    int rounds;
    int span;
    std::vector<double> tolerances;
    std::vector<double> scales;
  } kKinds[] = {
      {"random", 20261206, 3000, 6, {0.0, 0.3, 0.5, 1.0, 1.5, 1e9}, {1.0}},
      {"crowded", 314, 60, 2, {0.0, 0.3}, {1.0}},
      {"any extent", 7, 600, 6, {0.0, 0.3, 1e-9, 2.0}, {1.0, 1e-6, 1e6, 1e12}},
  };
  for (const auto& kind : kKinds) {
    std::mt19937 random(kind.seed);
    for (int round = 0; round < kind.rounds; ++round) {
      const bool crowded = kind.span == 2;
      const int pieces = crowded ? 200 + static_cast<int>(random() % 200)
                                 : 2 + static_cast<int>(random() % (round < 2000 && kind.scales.size() == 1 ? 12 : 80));
      const double scale = kind.scales[random() % kind.scales.size()];
      const double tolerance = kind.tolerances[random() % kind.tolerances.size()] * scale;
      const bool startPoints = random() % 2 == 0;
      const bool withCoded = !crowded && kind.scales.size() == 1 && random() % 2 == 0;
      Drawing fast("x");
      RandomDrawing(random, fast, pieces, round % 2 == 1, kind.span);
      for (Element& element : fast.elements()) {
        for (std::size_t i = 0; i < element.nodes().size(); ++i) {
          element.nodes()[i].x *= scale;
          element.nodes()[i].y *= scale;
        }
      }
      if (kind.scales.size() > 1 && random() % 2 == 0) Segment(fast, "A", 999, {1e9, 0, 0}, {1e9 + 1, 0, 0});
      Drawing reference("x");
      for (const Element& element : fast.elements()) reference.elements().push_back(element);
      // Every element is handed over once, in order, when it is final.
      HandedElements handed;
      Chain(fast, tolerance, withCoded ? coded : nullptr, startPoints, &handed);
      test::ReferenceChain(reference, tolerance, withCoded ? coded : nullptr, startPoints);
      ASSERT_EQ(Describe(fast), Describe(reference)) << kind.kind << " round " << round << " tolerance " << tolerance;
      ASSERT_EQ(handed.text, Describe(fast)) << kind.kind << " round " << round;
    }
  }
}

TEST(Chaining, PathologicalInputsStayBounded) {
  // Every end in one of two spots: each piece a candidate for every other.
  // Each piece takes the next one and is closed by it.
  Drawing drawing("x");
  for (int i = 0; i < 20000; ++i) {
    Segment(drawing, "A", i, {i % 3 == 0 ? 1.0 : 0.0, 0, 0}, {i % 3 == 0 ? 0.0 : 1.0, 0, 0});
  }
  Chain(drawing, 0.001, nullptr, true);
  EXPECT_EQ(drawing.elements().size(), 10000u);
  Drawing spot("x");
  for (int i = 0; i < 20000; ++i) Segment(spot, "A", i, {0, 0, 0}, {1, 0, 0});
  // Everything within the tolerance: each next piece is taken end to start,
  // and the profile never closes.
  Chain(spot, 5.0, nullptr, true);
  ASSERT_EQ(spot.elements().size(), 1u);
  EXPECT_EQ(spot.elements().front().NodeCount(), 20001u);
  // Huge coordinates and tolerances of 0 and 1e9.
  for (double tolerance : {0.0, 1e9}) {
    Drawing far("x");
    for (int i = 0; i < 2000; ++i) Segment(far, "A", i, {i * 1e15, 0, 0}, {(i + 1) * 1e15, 0, 0});
    Chain(far, tolerance, nullptr, false);
    EXPECT_EQ(far.elements().size(), 1u) << tolerance;
  }
}

// Sizes on both sides of where the passes start (4096); cells spread over
// every digit, crowded into few, or all in one (whose passes are skipped).
// A grid's entries come in the order of their pieces: the answer is then the
// plain sort's. Any other order is kept within a cell.
TEST(HighHalfSort, SortsByCellKeepingTheOrderWithin) {
  std::mt19937_64 random(11);
  for (std::size_t size : {0u, 1u, 4095u, 4096u, 5000u, 200000u}) {
    for (int kind = 0; kind < 4; ++kind) {
      std::vector<uint64_t> numbers(size);
      for (std::size_t i = 0; i < size; ++i) {
        uint64_t cell = random() >> 32;
        if (kind == 1) cell %= 300;              // crowded: the top digits all zero
        if (kind == 2) cell = (cell % 7) << 29;  // few cells, apart in the top digit only
        if (kind == 3) cell = 0x12345678;        // one cell
        numbers[i] = cell << 32 | static_cast<uint32_t>(random() % 1000);
      }
      std::vector<uint64_t> stable = numbers;
      std::stable_sort(stable.begin(), stable.end(), [](uint64_t a, uint64_t b) { return a >> 32 < b >> 32; });
      std::vector<uint64_t> sorted = numbers;
      SortByHighHalves(sorted);
      ASSERT_EQ(sorted, stable) << size << " kind " << kind;
      // In the order of their low halves, as a grid's entries come.
      std::sort(numbers.begin(), numbers.end(), [](uint64_t a, uint64_t b) { return uint32_t(a) < uint32_t(b); });
      std::vector<uint64_t> plain = numbers;
      std::sort(plain.begin(), plain.end());
      SortByHighHalves(numbers);
      ASSERT_EQ(numbers, plain) << size << " kind " << kind;
    }
  }
}

}  // namespace
}  // namespace dxfelem
