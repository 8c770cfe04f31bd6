// The ordered elements of a drawing, in records that never move: a drawing
// holds millions of elements, added only at the end and removed anywhere
// (joined away, cleaned up). Records lie in large chunks, so an element
// costs no allocation of its own and a walk through the list reads memory
// in order. A removed element gives back its nodes at once; its record
// stays empty until the list is cleared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "geometry/element.h"

namespace dxfelem {

class ElementList {
  template <typename List, typename Value>
  class Iterator {
   public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = Element;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    Iterator(List* list, std::size_t index) : list_(list), index_(index) {}
    // A const iterator from a plain one.
    template <typename OtherList, typename OtherValue>
    Iterator(const Iterator<OtherList, OtherValue>& other) : list_(other.list_), index_(other.index_) {}

    Value& operator*() const { return list_->At(index_); }
    Value* operator->() const { return &list_->At(index_); }
    Iterator& operator++() {
      index_ = list_->NextLive(index_ + 1);
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    Iterator& operator--() {
      index_ = list_->PreviousLive(index_);
      return *this;
    }
    Iterator operator--(int) {
      Iterator before = *this;
      --*this;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }
    friend bool operator!=(const Iterator& a, const Iterator& b) { return a.index_ != b.index_; }

    // The record's position, which stays the element's as long as it lives.
    std::size_t index() const { return index_; }

   private:
    template <typename, typename>
    friend class Iterator;
    List* list_ = nullptr;
    std::size_t index_ = 0;
  };

 public:
  using iterator = Iterator<ElementList, Element>;
  using const_iterator = Iterator<const ElementList, const Element>;

  ElementList() = default;
  ElementList(const ElementList&) = delete;
  ElementList& operator=(const ElementList&) = delete;
  ~ElementList() { clear(); }

  iterator begin() { return {this, NextLive(0)}; }
  iterator end() { return {this, kEnd}; }
  const_iterator begin() const { return {this, NextLive(0)}; }
  const_iterator end() const { return {this, kEnd}; }

  std::size_t size() const { return live_; }
  bool empty() const { return live_ == 0; }
  Element& front() { return *begin(); }
  const Element& front() const { return *begin(); }
  Element& back() { return At(PreviousLive(kEnd)); }
  const Element& back() const { return At(PreviousLive(kEnd)); }

  template <typename... Args>
  Element& emplace_back(Args&&... args);
  void push_back(const Element& element) { emplace_back(element); }
  void push_back(Element&& element) { emplace_back(std::move(element)); }
  void pop_back() { erase(iterator(this, PreviousLive(kEnd))); }
  // Removes one element; the iterator to the live element after it.
  iterator erase(iterator element);
  void clear();

  // The record at a position (`iterator::index`), live or not.
  Element& At(std::size_t index) { return Record(index); }
  const Element& At(std::size_t index) const { return Record(index); }
  bool IsLive(std::size_t index) const { return chunks_[index >> kChunkBits]->live[index & kChunkMask] != 0; }

 private:
  // The end's position, the same whatever is added or removed, as a
  // list's end is.
  static constexpr std::size_t kEnd = SIZE_MAX;
  static constexpr std::size_t kChunkBits = 12;
  static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkBits;
  static constexpr std::size_t kChunkMask = kChunkSize - 1;
  struct Chunk {
    alignas(Element) unsigned char records[kChunkSize * sizeof(Element)];
    uint8_t live[kChunkSize];
  };

  Element& Record(std::size_t index) const {
    return reinterpret_cast<Element*>(chunks_[index >> kChunkBits]->records)[index & kChunkMask];
  }
  // The first live position at or after `index`; kEnd when none is. The
  // usual step, to a live record after the front, is taken here.
  std::size_t NextLive(std::size_t index) const {
    if (index > firstLive_ && index < used_ && IsLive(index)) return index;
    return SearchLive(index);
  }
  std::size_t SearchLive(std::size_t index) const;
  // The last live position before `index` (kEnd: the last one).
  std::size_t PreviousLive(std::size_t index) const;

  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::size_t used_ = 0;  // records ever placed since the last clear
  std::size_t live_ = 0;
  // No live record lies before this one: a list whose front was joined
  // away is not searched again from its start.
  mutable std::size_t firstLive_ = 0;
};

template <typename... Args>
Element& ElementList::emplace_back(Args&&... args) {
  if (used_ == chunks_.size() * kChunkSize) chunks_.push_back(std::make_unique<Chunk>());
  Element* element = new (chunks_[used_ >> kChunkBits]->records + (used_ & kChunkMask) * sizeof(Element))
      Element(std::forward<Args>(args)...);
  chunks_[used_ >> kChunkBits]->live[used_ & kChunkMask] = 1;
  ++used_;
  ++live_;
  return *element;
}

}  // namespace dxfelem
