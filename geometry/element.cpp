#include "geometry/element.h"

#include <utility>

namespace dxfelem {

bool Element::FirstPoint(Point3& p) const {
  if (nodes_.empty()) return false;
  p = nodes_.front().point();
  return true;
}

bool Element::LastPoint(Point3& p) const {
  if (nodes_.empty()) return false;
  p = nodes_.back().point();
  return true;
}

bool Element::FirstCode(int32_t& code) const {
  if (nodes_.empty()) return false;
  code = nodes_.front().code;
  return true;
}

bool Element::LastCode(int32_t& code) const {
  if (nodes_.empty()) return false;
  code = nodes_.back().code;
  return true;
}

bool Element::IsClosed() const { return !nodes_.empty() && PointsEqual(nodes_.front().point(), nodes_.back().point()); }

bool Element::CanJoin(const Element& other) const {
  if (other.nodes_.empty() || IsStandaloneCode(other.nodes_.back().code)) return false;
  return nodes_.empty() || !IsStandaloneCode(nodes_.back().code);
}

bool Element::Append(const Element& other) {
  if (!CanJoin(other)) return false;
  // The receiver's own node stays as the joint; it may be empty only in theory.
  if (!nodes_.empty()) nodes_.back().code = kNodeVer;
  nodes_.reserve_back(other.nodes_.size() - 1);
  for (std::size_t i = 1; i < other.nodes_.size(); ++i) {
    nodes_.push_back(other.nodes_[i]);
    if (nodes_.back().code == kNodeIni) nodes_.back().code = kNodeVer;
  }
  return true;
}

bool Element::Prepend(const Element& other) {
  if (!CanJoin(other)) return false;
  if (!nodes_.empty()) nodes_.front().code = kNodeVer;
  nodes_.reserve_front(other.nodes_.size() - 1);
  for (std::size_t i = other.nodes_.size() - 1; i-- > 0;) {
    nodes_.push_front(other.nodes_[i]);
    if (nodes_.front().code == kNodeFin) nodes_.front().code = kNodeVer;
  }
  return true;
}

void Element::Reverse() {
  if (nodes_.empty()) return;
  if (!IsStandaloneCode(nodes_.back().code)) nodes_.back().code = kNodeFin;
  if (nodes_.front().code == kNodeIso) return;
  std::size_t n = nodes_.size();
  for (std::size_t i = 0; i <= (n - 1) / 2; ++i) std::swap(nodes_[i], nodes_[n - 1 - i]);
  nodes_.front().code = kNodeIni;
  nodes_.back().code = kNodeFin;
}

}  // namespace dxfelem
