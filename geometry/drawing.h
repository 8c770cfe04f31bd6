// The drawing of one conversion: the ordered list of its elements, and the
// builders that create them.
#pragma once

#include <string>
#include <string_view>

#include "geometry/element.h"
#include "geometry/element_list.h"

namespace dxfelem {

// Takes a drawing's elements as they are finished, in the drawing's order:
// as they are read, when nothing after the reading needs the whole drawing,
// or as the chaining is done with them.
class FinishedElements {
 public:
  virtual ~FinishedElements() = default;
  // Nothing changes the element after this but the taker; the reading
  // removes it from the drawing right after.
  virtual void Take(Element& element) = 0;
};

// How a line or arc builder treats its element: a new element, or the
// current one continued.
enum class SegmentTarget { kNewElement, kCurrentElement };

class Drawing {
 public:
  explicit Drawing(std::string name) : name_(std::move(name)) {}
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  // The path of the element file this drawing will be written to.
  const std::string& name() const { return name_; }
  // The layer and tag names of the drawing's elements.
  NameTable& names() { return names_; }

  ElementList& elements() { return elements_; }
  const ElementList& elements() const { return elements_; }
  // How many times a builder below added to the drawing: an entity whose
  // reading changed it made something.
  std::size_t built() const { return built_; }
  // The element most recently created by a builder; null when none was.
  Element* current() const { return current_; }
  void set_current(Element* element) { current_ = element; }
  void Clear();
  // From now on every element is handed to `stream` and removed as soon as
  // the element after it starts (the builders only ever add to the latest
  // one); the latest stays. Null keeps every element.
  void StreamTo(FinishedElements* stream) { stream_ = stream; }
  // Removes and deletes one element; the current element is forgotten
  // when it is the one removed.
  ElementList::iterator Erase(ElementList::iterator element);

  // Single-node and path-start builders always make a new element, add it at
  // the end of the list and make it current.
  void StartPath(int32_t entity, const Point3& p, std::string_view layer);
  void AddIsolatedPoint(int32_t entity, const Point3& p, double value, std::string_view layer);
  void AddMacroCall(int32_t entity, const Point3& p, std::string_view layer, std::string_view blockName);
  void AddPlacement(int32_t entity, const Point3& p, double value, std::string_view layer, std::string_view blockName);
  void AddAttribute(int32_t entity, const Point3& p, std::string_view attributeTag, std::string_view attributeValue);
  // A straight segment P1-P2, or the arc P1 through P2 to P3.
  void AddLine(SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2, std::string_view layer);
  void AddArc(SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2, const Point3& p3,
              std::string_view layer);

 private:
  // `nodes`: how many the builder will add, when it knows (0 when not).
  Element& NewElement(std::string_view layer, std::size_t nodes);
  Element* SegmentElement(SegmentTarget target, std::string_view layer, std::size_t nodes);

  std::string name_;
  NameTable names_;  // before the elements, which point into it
  ElementList elements_;
  Element* current_ = nullptr;
  FinishedElements* stream_ = nullptr;
  std::size_t built_ = 0;
};

// Adds a segment's start to an element: INI on an empty element; otherwise
// the segment starts at the element's last point (P1 is not checked) and a
// last node that is not INI becomes a vertex.
void BeginSegment(Element& element, int32_t entity, const Point3& p1);

}  // namespace dxfelem
