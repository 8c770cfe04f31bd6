// The element model: creation and reversing, with point equality at its
// bound (joining is pinned by the chaining's hand-worked joins), and the
// list that holds the elements; the thread that takes them as they are
// finished.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "conversion/taking_thread.h"
#include "geometry/drawing.h"
#include "geometry/element_list.h"

namespace dxfelem {
namespace {

// "INI(0,0) MED(1,1) FIN(2,0)" style summaries keep the expectations readable.
std::string Describe(const Element& element) {
  std::string text;
  for (const ElementNode& node : element.nodes()) {
    if (!text.empty()) text += ' ';
    text += std::string(NodeMnemonic(node.code)) + "(" + std::to_string(static_cast<int>(node.x)) + "," +
            std::to_string(static_cast<int>(node.y)) + ")";
  }
  return text;
}

// The names of the elements these tests make; they live as long as the tests.
NameTable& TestNames() {
  static NameTable* const names = new NameTable();
  return *names;
}

Element Path(std::initializer_list<ElementNode> nodes) {
  Element element(TestNames().Intern("L"));
  for (const ElementNode& node : nodes) element.AddNode(node);
  return element;
}

ElementNode N(int32_t code, double x, double y) { return MakeNode(code, 1, {x, y, 0.0}); }

TEST(PointEquality, TheBoundIsTheWidenedSinglePrecisionConstant) {
  EXPECT_EQ(kPointEqualityBound, static_cast<double>(0.00001f));
  const double bound = kPointEqualityBound;
  EXPECT_TRUE(PointsEqual({0, 0, 0}, {bound, -bound, bound}));
  EXPECT_FALSE(PointsEqual({0, 0, 0}, {std::nextafter(bound, 1.0), 0, 0}));
  EXPECT_FALSE(PointsEqual({0, 0, 0}, {0, 0, -std::nextafter(bound, 1.0)}));
  // 0.00001 written as a double is larger than the bound: not equal.
  EXPECT_FALSE(PointsEqual({0, 0, 0}, {0, 0.00001, 0}));
}

TEST(Drawing, SegmentsJoinAtTheLastPointAndArcsDegenerate) {
  Drawing drawing("out.txt");
  EXPECT_EQ(drawing.current(), nullptr);
  // An append with no current element is refused and builds nothing.
  drawing.AddLine(SegmentTarget::kCurrentElement, 1, {0, 0, 0}, {1, 0, 0}, "L");
  EXPECT_TRUE(drawing.elements().empty());

  drawing.StartPath(1, {0, 0, 0}, "L");
  drawing.AddLine(SegmentTarget::kCurrentElement, 1, {0, 0, 0}, {10, 0, 0}, "ignored");
  EXPECT_EQ(Describe(*drawing.current()), "INI(0,0) FIN(10,0)");
  // P1 (5,5) is not checked: the segment starts at the last point.
  drawing.AddArc(SegmentTarget::kCurrentElement, 1, {5, 5, 0}, {15, 5, 0}, {10, 10, 0}, "ignored");
  EXPECT_EQ(Describe(*drawing.current()), "INI(0,0) VER(10,0) MED(15,5) FIN(10,10)");
  // A middle point within the bound of an end: a straight segment.
  drawing.AddArc(SegmentTarget::kCurrentElement, 1, {10, 10, 0}, {10 + kPointEqualityBound, 10, 0}, {0, 10, 0}, "");
  drawing.AddArc(SegmentTarget::kCurrentElement, 1, {0, 10, 0}, {0, 0, 0}, {0, 0, 0}, "");
  EXPECT_EQ(Describe(*drawing.current()), "INI(0,0) VER(10,0) MED(15,5) VER(10,10) VER(0,10) FIN(0,0)");
  EXPECT_TRUE(drawing.current()->IsClosed());
  EXPECT_EQ(drawing.current()->layer(), "L");
  EXPECT_EQ(drawing.current()->tag(), "*");

  drawing.AddArc(SegmentTarget::kNewElement, 2, {0, 0, 0}, {2, 0, 0}, {0, 0, 0}, "C");
  EXPECT_EQ(Describe(*drawing.current()), "INI(0,0) MED(2,0) FIN(0,0)");
  drawing.AddMacroCall(3, {1, 2, 3}, "M", "BLOCK");
  drawing.AddPlacement(3, {1, 1, 1}, 90.0, "M", "BLOCK");
  drawing.AddAttribute(3, {4, 5, 0}, "TAG", "VALUE");
  EXPECT_EQ(drawing.current()->layer(), "TAG");
  EXPECT_EQ(drawing.current()->tag(), "VALUE");
  ASSERT_EQ(drawing.elements().size(), 5u);
  auto placement = std::next(drawing.elements().begin(), 3);
  EXPECT_EQ(Describe(*placement), "APL(1,1)");
  EXPECT_EQ(placement->nodes().front().value, 90.0);
  EXPECT_EQ(placement->tag(), "BLOCK");

  // Removing another element keeps the current one; removing it leaves none.
  drawing.Erase(drawing.elements().begin());
  EXPECT_EQ(drawing.current(), &drawing.elements().back());
  drawing.Erase(std::prev(drawing.elements().end()));
  EXPECT_EQ(drawing.current(), nullptr);
  drawing.Clear();
  EXPECT_TRUE(drawing.elements().empty());
  EXPECT_EQ(drawing.current(), nullptr);
}

TEST(Element, ReverseTurnsPathsRoundAndKeepsInnerCodes) {
  Element two = Path({N(kNodeIni, 0, 0), N(kNodeFin, 1, 0)});
  two.Reverse();
  EXPECT_EQ(Describe(two), "INI(1,0) FIN(0,0)");

  Element path = Path({N(kNodeIni, 0, 0), N(kNodeMed, 1, 1), N(kNodeVer, 2, 0), N(kNodeFin, 3, 0)});
  path.Reverse();
  EXPECT_EQ(Describe(path), "INI(3,0) VER(2,0) MED(1,1) FIN(0,0)");
  // A path that ends on a VER gets its FIN first, then turns round.
  Element open = Path({N(kNodeIni, 0, 0), N(kNodeMed, 1, 1), N(kNodeVer, 2, 0)});
  open.Reverse();
  EXPECT_EQ(Describe(open), "INI(2,0) MED(1,1) FIN(0,0)");

  Element point = Path({N(kNodeIso, 4, 4)});
  point.Reverse();
  EXPECT_EQ(Describe(point), "ISO(4,4)");
  Element empty;
  empty.Reverse();
  EXPECT_TRUE(empty.empty());
}

// The list's entity numbers in order, read forwards and backwards.
std::string Forwards(const ElementList& list) {
  std::string text;
  for (const Element& element : list) text += std::to_string(element.nodes().front().entity) + " ";
  return text;
}

std::string Backwards(const ElementList& list) {
  std::string text;
  for (auto it = list.end(); it != list.begin();) {
    --it;
    text += std::to_string(it->nodes().front().entity) + " ";
  }
  return text;
}

void Add(ElementList& list, int entity, std::size_t nodes = 1) {
  Element& element = list.emplace_back();
  for (std::size_t i = 0; i < nodes; ++i) element.AddNode(MakeNode(kNodeVer, entity, {0, 0, 0}));
}

TEST(ElementList, RemovalAnywhereKeepsTheOrderOfTheOthers) {
  ElementList list;
  // More than one chunk of records, so that walks cross chunk boundaries.
  for (int i = 0; i < 9000; ++i) Add(list, i, 1 + i % 3);
  // Remove everything but every 1000th, the front first, then the back,
  // then the middle: what is left is walked alike either way.
  for (auto it = list.begin(); it != list.end();) {
    it = it->nodes().front().entity % 1000 == 0 ? std::next(it) : list.erase(it);
  }
  EXPECT_EQ(list.size(), 9u);
  EXPECT_EQ(Forwards(list), "0 1000 2000 3000 4000 5000 6000 7000 8000 ");
  EXPECT_EQ(Backwards(list), "8000 7000 6000 5000 4000 3000 2000 1000 0 ");
  list.erase(list.begin());
  EXPECT_EQ(list.front().nodes().front().entity, 1000);
  list.pop_back();
  EXPECT_EQ(list.back().nodes().front().entity, 7000);
  EXPECT_EQ(list.erase(std::next(list.begin(), 2))->nodes().front().entity, 4000);
  EXPECT_EQ(Forwards(list), "1000 2000 4000 5000 6000 7000 ");
  EXPECT_EQ(Backwards(list), "7000 6000 5000 4000 2000 1000 ");
  // Erasing the last one answers the end.
  EXPECT_TRUE(list.erase(std::prev(list.end())) == list.end());
  EXPECT_EQ(list.size(), 5u);
}

TEST(ElementList, ElementsAddedAfterRemovalsComeLastAndOthersStayPut) {
  ElementList list;
  for (int i = 0; i < 5; ++i) Add(list, i);
  const Element* second = &*std::next(list.begin());
  // Removing the back repeatedly gives its records to the next elements;
  // the records of the others never move.
  list.pop_back();
  list.pop_back();
  list.erase(std::next(list.begin(), 2));
  Add(list, 7);
  Add(list, 8);
  EXPECT_EQ(Forwards(list), "0 1 7 8 ");
  EXPECT_EQ(&*std::next(list.begin()), second);
  // A front removed, then everything else: an empty list, walks find nothing.
  while (!list.empty()) list.erase(list.begin());
  EXPECT_TRUE(list.begin() == list.end());
  Add(list, 9);
  EXPECT_EQ(Forwards(list), "9 ");
  list.clear();
  EXPECT_EQ(list.size(), 0u);
  EXPECT_TRUE(list.begin() == list.end());
}

// Elements handed to a taker on a thread of its own arrive all, once and in
// order, across the batches they go over in; what the taker throws comes out
// of Finish(); a thread left unfinished stops with its owner.
TEST(TakingThread, EveryElementArrivesInOrderAndTheTakersFailureComesBack) {
  struct Recorder : FinishedElements {
    int32_t failAt = -1;
    std::vector<int32_t> taken;
    void Take(Element& element) override {
      if (element.nodes().front().entity == failAt) throw std::runtime_error("taker failed");
      taken.push_back(element.nodes().front().entity);
    }
  };
  constexpr int32_t kCount = 10000;  // two full batches and a part of one
  std::vector<Element> elements(kCount);
  std::vector<int32_t> expected;
  for (int32_t i = 0; i < kCount; ++i) {
    ElementNode node;
    node.entity = i;
    elements[static_cast<std::size_t>(i)].AddNode(node);
    expected.push_back(i);
  }
  for (const int32_t failAt : {-1, 9000}) {
    Recorder recorder;
    recorder.failAt = failAt;
    TakingThread thread(recorder);
    ASSERT_TRUE(thread.Started());
    for (Element& element : elements) thread.Take(element);
    if (failAt < 0) {
      thread.Finish();
      EXPECT_EQ(recorder.taken, expected);
    } else {
      EXPECT_THROW(thread.Finish(), std::runtime_error);
      EXPECT_EQ(recorder.taken, std::vector<int32_t>(expected.begin(), expected.begin() + failAt));
    }
  }
  // Left without Finish(), as when the chaining throws: its owner goes on
  // without waiting for the rest.
  Recorder left;
  auto unfinished = std::make_unique<TakingThread>(left);
  for (Element& element : elements) unfinished->Take(element);
  unfinished.reset();
}

}  // namespace
}  // namespace dxfelem
