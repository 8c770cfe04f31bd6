#include "dxf/block_contents.h"

#include "platform/c_number_text.h"

namespace dxfelem {
namespace {

constexpr std::size_t kChunk = 1 << 20;

bool Is(std::string_view value, std::string_view word) {
  if (value.size() != word.size()) return false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i] >= 'a' && value[i] <= 'z' ? static_cast<char>(value[i] - 'a' + 'A') : value[i];
    if (c != word[i]) return false;
  }
  return true;
}

}  // namespace

std::string_view BlockContents::Keep(std::string_view value) {
  if (chunks_.empty() || chunks_.back().capacity() - chunks_.back().size() < value.size()) {
    chunks_.emplace_back();
    chunks_.back().reserve(value.size() > kChunk ? value.size() : kChunk);
  }
  std::string& chunk = chunks_.back();
  const std::size_t at = chunk.size();
  chunk.append(value);
  return std::string_view(chunk.data() + at, value.size());
}

void BlockContents::Pair(int32_t code, std::string_view value) {
  if (overflowed_) return;
  if (code == 0 && (Is(value, "BLOCK") || Is(value, "ENDBLK"))) {
    Close();
    if (!Is(value, "BLOCK")) return;
    if (definitions_.size() >= kMostDefinitions) {
      overflowed_ = true;
      return;
    }
    definitions_.emplace_back();
    inBlock_ = true;
    return;
  }
  if (!inBlock_) return;
  BlockContent& block = definitions_.back();
  if (code == 0) inEntities_ = true;
  if (!inEntities_) {
    // The BLOCK's own groups: its name and base point.
    if (code == 2 && block.name.empty()) block.name = value;
    if (code == 10) block.base.x = ParseDouble(value);
    if (code == 20) block.base.y = ParseDouble(value);
    if (code == 30) block.base.z = ParseDouble(value);
    return;
  }
  if (++pairs_ > kMostPairs) {
    overflowed_ = true;
    return;
  }
  block.pairs.push_back({code, Keep(value)});
}

void BlockContents::Close() {
  if (inBlock_ && !definitions_.empty() && !definitions_.back().name.empty()) {
    byName_[definitions_.back().name] = definitions_.size() - 1;
  }
  inBlock_ = false;
  inEntities_ = false;
}

const BlockContent* BlockContents::Find(std::string_view name) const {
  const auto found = byName_.find(std::string(name));
  return found != byName_.end() ? &definitions_[found->second] : nullptr;
}

}  // namespace dxfelem
