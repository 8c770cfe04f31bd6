// The nodes of one element in a contiguous buffer with free room at both
// ends: profiles grow at either end while they are joined, and a profile of
// many thousand pieces must not be copied once per join.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "geometry/element_node.h"

namespace dxfelem {

class NodeList {
 public:
  NodeList() = default;
  NodeList(const NodeList& other);
  NodeList& operator=(const NodeList& other);
  NodeList(NodeList&& other) noexcept;
  NodeList& operator=(NodeList&& other) noexcept;
  ~NodeList() = default;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  ElementNode& operator[](std::size_t i) { return storage_[begin_ + i]; }
  const ElementNode& operator[](std::size_t i) const { return storage_[begin_ + i]; }
  ElementNode& front() { return storage_[begin_]; }
  const ElementNode& front() const { return storage_[begin_]; }
  ElementNode& back() { return storage_[begin_ + size_ - 1]; }
  const ElementNode& back() const { return storage_[begin_ + size_ - 1]; }

  ElementNode* begin() { return storage_.get() + begin_; }
  ElementNode* end() { return begin() + size_; }
  const ElementNode* begin() const { return storage_.get() + begin_; }
  const ElementNode* end() const { return begin() + size_; }

  void push_back(const ElementNode& node);
  void push_front(const ElementNode& node);
  // Removes the node at position i, keeping the order of the others.
  void erase(std::size_t i);
  void clear() {
    begin_ = capacity_ / 2;
    size_ = 0;
  }
  // Keeps the first `count` nodes.
  void truncate(std::size_t count) {
    if (count < size_) size_ = static_cast<uint32_t>(count);
  }
  // Makes room for count more nodes at the back (and at the front when asked).
  void reserve_back(std::size_t count);
  void reserve_front(std::size_t count);
  // Room for exactly `count` nodes in an empty list: what a builder that
  // knows its element's size takes, instead of the growth's first step.
  void reserve_exact(std::size_t count);
  // Gives back the room a list grown node by node left over, when it is
  // much; a finished element then holds little more than its nodes.
  void shrink_to_fit();

 private:
  void Regrow(std::size_t front_room, std::size_t back_room);

  // 32-bit counts keep an element small (a drawing holds millions of them);
  // a list that would outgrow them is memory the machine does not have.
  std::unique_ptr<ElementNode[]> storage_;
  uint32_t capacity_ = 0;
  uint32_t begin_ = 0;
  uint32_t size_ = 0;
};

}  // namespace dxfelem
