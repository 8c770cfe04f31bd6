#include "geometry/node_list.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

namespace dxfelem {

NodeList::NodeList(const NodeList& other) {
  if (other.size_ == 0) return;
  storage_ = std::make_unique_for_overwrite<ElementNode[]>(other.size_);
  capacity_ = other.size_;
  size_ = other.size_;
  std::copy(other.begin(), other.end(), storage_.get());
}

NodeList& NodeList::operator=(const NodeList& other) {
  if (this != &other) {
    NodeList copy(other);
    *this = std::move(copy);
  }
  return *this;
}

NodeList::NodeList(NodeList&& other) noexcept
    : storage_(std::move(other.storage_)), capacity_(other.capacity_), begin_(other.begin_), size_(other.size_) {
  other.capacity_ = other.begin_ = other.size_ = 0;
}

NodeList& NodeList::operator=(NodeList&& other) noexcept {
  storage_ = std::move(other.storage_);
  capacity_ = other.capacity_;
  begin_ = other.begin_;
  size_ = other.size_;
  other.capacity_ = other.begin_ = other.size_ = 0;
  return *this;
}

void NodeList::Regrow(std::size_t front_room, std::size_t back_room) {
  const std::size_t capacity = front_room + size_ + back_room;
  if (capacity > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
  auto storage = std::make_unique_for_overwrite<ElementNode[]>(capacity);
  std::copy(begin(), end(), storage.get() + front_room);
  storage_ = std::move(storage);
  capacity_ = static_cast<uint32_t>(capacity);
  begin_ = static_cast<uint32_t>(front_room);
}

void NodeList::reserve_back(std::size_t count) {
  if (capacity_ - begin_ - size_ >= count) return;
  // Geometric growth keeps a run of appends linear; most elements have a few
  // nodes, so the first buffer is small.
  const std::size_t size = size_;
  const std::size_t back_room = std::max({count, size, std::size_t{3}});
  Regrow(begin_ == 0 ? 0 : std::min(std::size_t{begin_}, size + 1), back_room);
}

void NodeList::reserve_front(std::size_t count) {
  if (begin_ >= count) return;
  const std::size_t size = size_;
  const std::size_t front_room = std::max({count, size, std::size_t{3}});
  Regrow(front_room, std::min(std::size_t{capacity_} - begin_ - size_, size + 1));
}

void NodeList::shrink_to_fit() {
  // A few nodes of room cost less than the copy that would free them.
  if (capacity_ - size_ <= 4 + size_ / 4) return;
  if (size_ == 0) {
    storage_.reset();
    capacity_ = begin_ = 0;
    return;
  }
  Regrow(0, 0);
}

void NodeList::reserve_exact(std::size_t count) {
  if (size_ != 0 || capacity_ >= count) return;
  Regrow(0, count);
}

void NodeList::push_back(const ElementNode& node) {
  reserve_back(1);
  storage_[begin_ + size_] = node;
  ++size_;
}

void NodeList::push_front(const ElementNode& node) {
  reserve_front(1);
  --begin_;
  storage_[begin_] = node;
  ++size_;
}

void NodeList::erase(std::size_t i) {
  ElementNode* first = begin();
  std::copy(first + i + 1, first + size_, first + i);
  --size_;
}

}  // namespace dxfelem
