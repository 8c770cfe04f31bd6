#include "geometry/profile_chaining.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "geometry/endpoint_grid.h"

namespace dxfelem {
namespace {

// The widened single-precision 0.01 of the clean-up.
constexpr double kShortestPiece = 0.009999999776482582;

bool EndsAtMiddlePoint(const Element& element) {
  return element.nodes().front().code == kNodeMed || element.nodes().back().code == kNodeMed;
}

// A piece that can be joined: a path of at least two nodes, open, and not
// ending in the middle of an arc.
bool IsJoinable(const Element& element) {
  return element.NodeCount() >= 2 && !element.IsClosed() && !EndsAtMiddlePoint(element);
}

// The elements in list order, numbered by their position: deletion keeps
// the order of the others, so a number stands for a position for good.
struct NumberedDrawing : PieceEnds {
  ElementList& list;
  std::vector<uint32_t> positions;  // in the list, by number
  std::vector<uint32_t> layers;     // a number per layer name

  Element& operator[](uint32_t sequence) const { return list.At(positions[sequence]); }
  ElementList::iterator IteratorOf(uint32_t sequence) { return {&list, positions[sequence]}; }
  std::size_t size() const { return positions.size(); }
  Point3 Start(uint32_t sequence) const override { return (*this)[sequence].nodes().front().point(); }
  Point3 End(uint32_t sequence) const override { return (*this)[sequence].nodes().back().point(); }

  explicit NumberedDrawing(Drawing& drawing) : list(drawing.elements()) {
    std::map<std::string, uint32_t, std::less<>> layerNumbers;
    // Elements in a row mostly share their layer: its number is looked up
    // again only when the name changes.
    const std::string* lastLayer = nullptr;
    uint32_t lastNumber = 0;
    positions.reserve(list.size());
    layers.reserve(list.size());
    for (auto it = list.begin(); it != list.end(); ++it) {
      positions.push_back(static_cast<uint32_t>(it.index()));
      if (&it->layer() != lastLayer) {
        lastLayer = &it->layer();
        lastNumber = layerNumbers.try_emplace(*lastLayer, static_cast<uint32_t>(layerNumbers.size())).first->second;
      }
      layers.push_back(lastNumber);
    }
  }
};

constexpr uint32_t kLookAhead = 8;

void PrefetchEnds(const Element& element) {
  if (element.empty()) return;
  __builtin_prefetch(&element.nodes().front());
  __builtin_prefetch(&element.nodes().back());
}

// The grid over the ends of the pieces that pass `takesPart`, entered in
// the drawing's order; `alive` marks them. The ends of the others are
// covered: they may be asked about.
template <typename Test>
EndpointGrid GridOfEnds(const NumberedDrawing& numbered, double tolerance, std::vector<uint8_t>& alive,
                        Test takesPart) {
  const std::size_t count = numbered.size();
  alive.assign(count, 0);
  EndpointGrid grid(tolerance, count, numbered.layers, numbered);
  for (uint32_t i = 0; i < count; ++i) {
    // Each element's nodes lie in a buffer of their own: asked for a few
    // elements ahead, its ends are at hand when their turn comes.
    if (i + kLookAhead < count) PrefetchEnds(numbered[i + kLookAhead]);
    const Element& element = numbered[i];
    if (takesPart(element)) {
      alive[i] = 1;
      grid.Add(i);
    } else if (!element.empty()) {
      grid.Cover(element.nodes().front().point());
      grid.Cover(element.nodes().back().point());
    }
  }
  grid.Seal();
  return grid;
}

// The smallest live number at or after a given one. Numbers only ever die,
// so a dead number's link to a later one stays true; links are shortened as
// they are followed.
class NextAlive {
 public:
  explicit NextAlive(const std::vector<uint8_t>& alive) : alive_(alive), next_(alive.size()) {
    for (uint32_t i = 0; i < next_.size(); ++i) next_[i] = i + 1;
  }

  uint32_t From(uint32_t i) {
    const uint32_t count = static_cast<uint32_t>(next_.size());
    uint32_t found = i;
    while (found < count && !alive_[found]) found = next_[found];
    while (i < found && i < count) {
      const uint32_t later = next_[i];
      next_[i] = found;
      i = later;
    }
    return found;
  }

 private:
  const std::vector<uint8_t>& alive_;
  std::vector<uint32_t> next_;
};

// True when a piece has an end within the tolerance of either point.
bool MeetsEither(const Element& piece, const Point3& a, const Point3& b, double tolerance) {
  const Point3 fs = piece.nodes().front().point();
  const Point3 fe = piece.nodes().back().point();
  return ChainDistance(a, fs) <= tolerance || ChainDistance(a, fe) <= tolerance || ChainDistance(b, fs) <= tolerance ||
         ChainDistance(b, fe) <= tolerance;
}

void JoiningPhase(Drawing& drawing, NumberedDrawing& numbered, double tolerance, const CodedLayerTest& isCoded,
                  FinishedElements* finished) {
  const std::size_t count = numbered.size();
  // alive: still a candidate for joining; gone: joined away.
  std::vector<uint8_t> alive;
  std::vector<uint8_t> gone(count, 0);
  EndpointGrid grid = GridOfEnds(numbered, tolerance, alive, IsJoinable);
  NextAlive nextAlive(alive);
  // The scan only ever changes the receiver and removes pieces after it:
  // the elements it has passed are final, and nothing here reads them
  // again (the grid looks only at pieces still alive).
  uint32_t handed = 0;
  const auto handUpTo = [&](uint32_t end) {
    for (; handed < end; ++handed) {
      if (!gone[handed]) finished->Take(numbered[handed]);
    }
  };

  for (uint32_t e = 0; e < count; ++e) {
    if (finished != nullptr) handUpTo(e);
    if (gone[e]) continue;
    // The scan only ever looks ahead: E is no candidate for what follows.
    alive[e] = 0;
    Element& receiver = numbered[e];
    if (!IsJoinable(receiver) || (isCoded && isCoded(receiver.layer()))) continue;
    const uint32_t layer = numbered.layers[e];
    // Until it takes a piece, the receiver's ends are those it was entered
    // with: the grid may pass over the cells that hold only them.
    uint32_t own = e;
    while (true) {
      const Point3 es = receiver.nodes().front().point();
      const Point3 ee = receiver.nodes().back().point();
      // Every live piece comes after E, so the first of them is the answer
      // whenever it meets E: drawn pieces mostly follow one another, and
      // this spares the grid the search.
      uint32_t f = nextAlive.From(e + 1);
      if (f >= count || numbered.layers[f] != layer || !MeetsEither(numbered[f], ee, es, tolerance)) {
        f = std::min(grid.FirstWithin(layer, ee, alive, own), grid.FirstWithin(layer, es, alive, own));
      }
      if (f == EndpointGrid::kNone) break;
      own = EndpointGrid::kNone;
      Element& piece = numbered[f];
      const Point3 fs = piece.nodes().front().point();
      const Point3 fe = piece.nodes().back().point();
      if (ChainDistance(ee, fs) <= tolerance) {
        receiver.Append(piece);
      } else if (ChainDistance(es, fe) <= tolerance) {
        receiver.Prepend(piece);
      } else if (ChainDistance(ee, fe) <= tolerance) {
        piece.Reverse();
        receiver.Append(piece);
      } else {
        receiver.Reverse();
        receiver.Append(piece);
      }
      alive[f] = 0;
      gone[f] = 1;
      drawing.Erase(numbered.IteratorOf(f));
      // Its ends have moved: the receiver is taken again, if it still can be.
      if (!IsJoinable(receiver)) break;
    }
  }

  if (finished != nullptr) handUpTo(static_cast<uint32_t>(count));

  std::vector<uint32_t> remaining;
  std::vector<uint32_t> layers;
  for (uint32_t i = 0; i < count; ++i) {
    if (gone[i]) continue;
    remaining.push_back(numbered.positions[i]);
    layers.push_back(numbered.layers[i]);
  }
  numbered.positions = std::move(remaining);
  numbered.layers = std::move(layers);
}

void StartPointPhase(Drawing& drawing, NumberedDrawing& numbered, double tolerance) {
  const std::size_t count = numbered.size();
  std::vector<uint8_t> alive;
  EndpointGrid grid = GridOfEnds(numbered, tolerance, alive, [](const Element& element) {
    return element.NodeCount() >= 2 && !element.IsClosed();
  });
  const ElementName usedStartPoint = drawing.names().Intern(kUsedStartPointLayer);
  for (uint32_t p = 0; p < count; ++p) {
    Element& point = numbered[p];
    if (point.NodeCount() != 1 || point.layer() == kUsedStartPointLayer) continue;
    const Point3 s = point.nodes().front().point();
    // Turning a profile round keeps its two ends where they were, so the
    // grid stays right; which end is the start is read from the profile.
    const uint32_t f = grid.FirstWithin(numbered.layers[p], s, alive);
    if (f == EndpointGrid::kNone) continue;
    Element& profile = numbered[f];
    if (ChainDistance(s, profile.nodes().back().point()) <= tolerance) profile.Reverse();
    point.set_layer(usedStartPoint);
  }
  for (auto it = drawing.elements().begin(); it != drawing.elements().end();) {
    it = it->NodeCount() <= 1 && it->layer() == kUsedStartPointLayer ? drawing.Erase(it) : std::next(it);
  }
}

}  // namespace

void Chain(Drawing& drawing, double tolerance, const CodedLayerTest& isCoded, bool startPoints,
           FinishedElements* finished) {
  if (drawing.elements().size() > 1) {
    NumberedDrawing numbered(drawing);
    JoiningPhase(drawing, numbered, tolerance, isCoded, startPoints ? nullptr : finished);
    if (!startPoints) return;
    StartPointPhase(drawing, numbered, tolerance);
  }
  if (finished == nullptr) return;
  for (Element& element : drawing.elements()) finished->Take(element);
}

bool CleanElement(Element& element) {
  NodeList& nodes = element.nodes();
  if (nodes.size() == 2 && ChainDistance(nodes.front().point(), nodes.back().point()) <= kShortestPiece) return false;
  if (nodes.size() > 2) {
    // A vertex goes when the next node is within 0.01 and of the same
    // code, VER or SPL; each is compared with its next node as read.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      const bool drop = i + 1 < nodes.size() && (nodes[i].code == kNodeVer || nodes[i].code == kNodeSpl) &&
                        nodes[i].code == nodes[i + 1].code &&
                        ChainDistance(nodes[i].point(), nodes[i + 1].point()) <= kShortestPiece;
      if (!drop) nodes[kept++] = nodes[i];
    }
    nodes.truncate(kept);
  }
  return true;
}

void Clean(Drawing& drawing) {
  for (auto it = drawing.elements().begin(); it != drawing.elements().end();) {
    it = CleanElement(*it) ? std::next(it) : drawing.Erase(it);
  }
}

void ReverseProfile(Element& element) {
  if (element.NodeCount() >= 2 && element.layer() != kUsedStartPointLayer) element.Reverse();
}

void ReverseAll(Drawing& drawing) {
  for (Element& element : drawing.elements()) ReverseProfile(element);
}

}  // namespace dxfelem
