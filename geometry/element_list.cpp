#include "geometry/element_list.h"

namespace dxfelem {

std::size_t ElementList::SearchLive(std::size_t index) const {
  const bool fromFront = index <= firstLive_;
  if (fromFront) index = firstLive_;
  while (index < used_ && !IsLive(index)) ++index;
  if (index > used_) index = used_;
  if (fromFront) firstLive_ = index;
  return index == used_ ? kEnd : index;
}

std::size_t ElementList::PreviousLive(std::size_t index) const {
  if (index > used_) index = used_;
  do {
    --index;
  } while (index > 0 && !IsLive(index));
  return index;
}

ElementList::iterator ElementList::erase(iterator element) {
  const std::size_t index = element.index();
  Record(index).~Element();
  chunks_[index >> kChunkBits]->live[index & kChunkMask] = 0;
  --live_;
  // Dead records at the end are taken again by the next elements added.
  if (index + 1 == used_) {
    while (used_ > 0 && !IsLive(used_ - 1)) --used_;
    if (firstLive_ > used_) firstLive_ = used_;
  }
  return {this, NextLive(index + 1)};
}

void ElementList::clear() {
  for (std::size_t i = 0; i < used_; ++i) {
    if (IsLive(i)) Record(i).~Element();
  }
  chunks_.clear();
  used_ = 0;
  live_ = 0;
  firstLive_ = 0;
}

}  // namespace dxfelem
