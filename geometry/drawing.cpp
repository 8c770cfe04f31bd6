#include "geometry/drawing.h"

namespace dxfelem {

void Drawing::Clear() {
  elements_.clear();
  current_ = nullptr;
}

ElementList::iterator Drawing::Erase(ElementList::iterator element) {
  if (current_ == &*element) current_ = nullptr;
  return elements_.erase(element);
}

Element& Drawing::NewElement(std::string_view layer, std::size_t nodes) {
  // The builders only ever add to the latest element: the one before is
  // finished. It goes to the stream, or gives back the room its growth
  // left over.
  if (current_ != nullptr && stream_ != nullptr && current_ == &elements_.back()) {
    stream_->Take(*current_);
    elements_.pop_back();
    current_ = nullptr;
  } else if (current_ != nullptr) {
    current_->nodes().shrink_to_fit();
  }
  Element& element = elements_.emplace_back(names_.Intern(layer));
  if (nodes > 0) element.nodes().reserve_exact(nodes);
  current_ = &element;
  return element;
}

void Drawing::StartPath(int32_t entity, const Point3& p, std::string_view layer) {
  ++built_;
  NewElement(layer, 0).AddNode(MakeNode(kNodeIni, entity, p));
}

void Drawing::AddIsolatedPoint(int32_t entity, const Point3& p, double value, std::string_view layer) {
  ++built_;
  NewElement(layer, 1).AddNode(MakeNode(kNodeIso, entity, p, value));
}

void Drawing::AddMacroCall(int32_t entity, const Point3& p, std::string_view layer, std::string_view blockName) {
  ++built_;
  Element& element = NewElement(layer, 1);
  element.set_tag(names_.Intern(blockName));
  element.AddNode(MakeNode(kNodeMcr, entity, p));
}

void Drawing::AddPlacement(int32_t entity, const Point3& p, double value, std::string_view layer,
                           std::string_view blockName) {
  ++built_;
  Element& element = NewElement(layer, 1);
  element.set_tag(names_.Intern(blockName));
  element.AddNode(MakeNode(kNodeApl, entity, p, value));
}

void Drawing::AddAttribute(int32_t entity, const Point3& p, std::string_view attributeTag,
                           std::string_view attributeValue) {
  ++built_;
  Element& element = NewElement(attributeTag, 1);
  element.set_tag(names_.Intern(attributeValue));
  element.AddNode(MakeNode(kNodePar, entity, p));
}

// An append with no current element is refused: an element outside the list
// would never be written, and the readers always start a path first.
Element* Drawing::SegmentElement(SegmentTarget target, std::string_view layer, std::size_t nodes) {
  if (target == SegmentTarget::kNewElement) return &NewElement(layer, nodes);
  return current_;
}

void BeginSegment(Element& element, int32_t entity, const Point3& p1) {
  if (element.empty()) {
    element.AddNode(MakeNode(kNodeIni, entity, p1));
  } else if (element.nodes().back().code != kNodeIni) {
    element.nodes().back().code = kNodeVer;
  }
}

void Drawing::AddLine(SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2,
                      std::string_view layer) {
  ++built_;
  Element* element = SegmentElement(target, layer, 2);
  if (element == nullptr) return;
  BeginSegment(*element, entity, p1);
  element->AddNode(MakeNode(kNodeFin, entity, p2));
}

void Drawing::AddArc(SegmentTarget target, int32_t entity, const Point3& p1, const Point3& p2, const Point3& p3,
                     std::string_view layer) {
  ++built_;
  Element* element = SegmentElement(target, layer, 3);
  if (element == nullptr) return;
  BeginSegment(*element, entity, p1);
  // An arc whose middle point coincides with an end is a straight segment.
  if (!PointsEqual(p2, p1) && !PointsEqual(p2, p3)) element->AddNode(MakeNode(kNodeMed, entity, p2));
  element->AddNode(MakeNode(kNodeFin, entity, p3));
}

}  // namespace dxfelem
