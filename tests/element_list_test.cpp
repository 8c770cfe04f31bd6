#include "geometry/element_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dxfelem {
namespace {

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

}  // namespace
}  // namespace dxfelem
