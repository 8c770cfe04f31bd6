#include "dxf/reading_tally.h"

#include <utility>

namespace dxfelem {

void ReadingTally::Bump(Counts& counts, std::string_view key) {
  // No allocation once a key is known: most drawings repeat a few kinds.
  const auto found = counts.find(key);
  if (found != counts.end()) ++found->second;
  else counts.emplace(std::string(key), 1);
}

void ReadingTally::LeaveOut(LeftOut reason, std::string_view kind, std::string_view detail) {
  ++leftOutSoFar_;
  Counts& counts = leftOut_[static_cast<std::size_t>(reason)];
  if (detail.empty()) {
    Bump(counts, kind);
    return;
  }
  std::string key(kind);
  key += '\0';
  key += detail;
  Bump(counts, key);
}

void ReadingTally::CountBlockEntities(std::string_view block, long entities, std::vector<std::string> inserted) {
  BlockEntities& counted = blocks_[std::string(block)];
  counted.entities = entities;
  counted.inserted = std::move(inserted);
}

long ReadingTally::EntitiesDrawnBy(std::string_view block, const std::function<bool(std::string_view)>& named) const {
  constexpr int kDeepest = 16;
  // By block and depth: a block met again at the same depth is counted once.
  std::map<std::pair<std::string, int>, long> known;
  std::function<long(std::string_view, int)> drawn = [&](std::string_view name, int depth) -> long {
    const auto found = blocks_.find(name);
    if (found == blocks_.end()) return 0;
    const auto key = std::make_pair(std::string(name), depth);
    if (const auto seen = known.find(key); seen != known.end()) return seen->second;
    const BlockEntities& entry = found->second;
    long count = entry.entities - static_cast<long>(entry.inserted.size());
    for (const std::string& inner : entry.inserted) {
      if (named(inner) || blocks_.find(inner) == blocks_.end()) ++count;
      else if (depth + 1 < kDeepest) count += drawn(inner, depth + 1);
    }
    known[key] = count;
    return count;
  };
  return drawn(block, 0);
}

void ReadingTally::ForEachRead(const std::function<void(std::string_view kind, long count)>& visit) const {
  Counts all = otherKinds_;
  for (std::size_t token = 0; token < ofToken_.size(); ++token) {
    if (ofToken_[token] > 0) all[std::string(KindName(static_cast<Token>(token)))] += ofToken_[token];
  }
  for (const auto& [kind, count] : all) visit(kind, count);
}

void ReadingTally::ForEachMade(const std::function<void(std::string_view kind, long count)>& visit) const {
  Counts all = made_;
  for (std::size_t token = 0; token < madeOfToken_.size(); ++token) {
    if (madeOfToken_[token] > 0) all[std::string(KindName(static_cast<Token>(token)))] += madeOfToken_[token];
  }
  for (const auto& [kind, count] : all) visit(kind, count);
}

void ReadingTally::ForEachLeftOut(const std::function<void(LeftOut reason, std::string_view kind,
                                                           std::string_view detail, long count)>& visit) const {
  for (std::size_t reason = 0; reason < kLeftOutReasons; ++reason) {
    for (const auto& [key, count] : leftOut_[reason]) {
      const std::size_t split = key.find('\0');
      const std::string_view whole = key;
      visit(static_cast<LeftOut>(reason), whole.substr(0, split),
            split == std::string::npos ? std::string_view() : whole.substr(split + 1), count);
    }
  }
}

namespace {

// The names of the kinds that have a token, by token.
struct KindNames {
  std::array<std::string_view, 256> byToken{};
  KindNames() {
    byToken.fill("?");
    constexpr std::pair<Token, std::string_view> kNames[] = {{kTokenLine, "LINE"},
                                                             {kToken3dline, "3DLINE"},
                                                             {kTokenPoint, "POINT"},
                                                             {kTokenCircle, "CIRCLE"},
                                                             {kTokenArc, "ARC"},
                                                             {kTokenSolid, "SOLID"},
                                                             {kTokenTrace, "TRACE"},
                                                             {kToken3dface, "3DFACE"},
                                                             {kTokenShape, "SHAPE"},
                                                             {kTokenEllipse, "ELLIPSE"},
                                                             {kTokenDimension, "DIMENSION"},
                                                             {kTokenText, "TEXT"},
                                                             {kTokenMtext, "MTEXT"},
                                                             {kTokenAttdef, "ATTDEF"},
                                                             {kTokenAttrib, "ATTRIB"},
                                                             {kTokenInsert, "INSERT"},
                                                             {kTokenPolyline, "POLYLINE"},
                                                             {kTokenVertex, "VERTEX"},
                                                             {kTokenSeqend, "SEQEND"},
                                                             {kTokenLwpolyline, "LWPOLYLINE"}};
    for (const auto& [token, name] : kNames) byToken[token] = name;
  }
};

}  // namespace

std::string_view KindName(Token kind) {
  static const KindNames names;
  return names.byToken[kind];
}

}  // namespace dxfelem
