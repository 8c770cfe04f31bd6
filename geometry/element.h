// An element of the drawing: one isolated node, or a path from an INI node
// through vertices and arc middle points to a FIN node.
#pragma once

#include <string>

#include "geometry/element_name.h"
#include "geometry/node_list.h"

namespace dxfelem {

class Element {
 public:
  Element() = default;
  explicit Element(ElementName layer) : layer_(layer) {}
  Element(const Element&) = default;
  Element& operator=(const Element&) = default;
  Element(Element&&) noexcept = default;
  Element& operator=(Element&&) noexcept = default;

  const std::string& layer() const { return layer_.text(); }
  void set_layer(ElementName layer) { layer_ = layer; }
  const std::string& tag() const { return tag_.text(); }
  void set_tag(ElementName tag) { tag_ = tag; }

  NodeList& nodes() { return nodes_; }
  const NodeList& nodes() const { return nodes_; }
  std::size_t NodeCount() const { return nodes_.size(); }
  bool empty() const { return nodes_.empty(); }
  void RemoveAllNodes() { nodes_.clear(); }
  // Gives the nodes' memory back: the element is empty from now on.
  void ReleaseNodes() { nodes_ = NodeList(); }
  void AddNode(const ElementNode& node) { nodes_.push_back(node); }

  // Each answers false and leaves the output alone when the element is empty.
  bool FirstPoint(Point3& p) const;
  bool LastPoint(Point3& p) const;
  bool FirstCode(int32_t& code) const;
  bool LastCode(int32_t& code) const;
  // Closed: first and last points are the same point.
  bool IsClosed() const;

  // Joins `other` after this element's end (its first node, which coincides
  // with this element's last, is dropped). False, and nothing changes, when
  // either end involved is a standalone node or `other` is empty.
  bool Append(const Element& other);
  // Joins `other` before this element's start (its last node is dropped).
  bool Prepend(const Element& other);
  // Turns the path round: INI first, FIN last, inner codes kept.
  void Reverse();

 private:
  bool CanJoin(const Element& other) const;

  ElementName layer_;
  ElementName tag_ = ElementName::Star();
  NodeList nodes_;
};

}  // namespace dxfelem
