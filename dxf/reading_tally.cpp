#include "dxf/reading_tally.h"

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

void ReadingTally::ForEachRead(const std::function<void(std::string_view kind, long count)>& visit) const {
  Counts all = otherKinds_;
  for (std::size_t token = 0; token < ofToken_.size(); ++token) {
    if (ofToken_[token] > 0) all[std::string(KindName(static_cast<Token>(token)))] += ofToken_[token];
  }
  for (const auto& [kind, count] : all) visit(kind, count);
}

void ReadingTally::ForEachMade(const std::function<void(std::string_view kind, long count)>& visit) const {
  for (const auto& [kind, count] : made_) visit(kind, count);
}

void ReadingTally::ForEachLeftOut(
    const std::function<void(LeftOut reason, std::string_view kind, std::string_view detail, long count)>& visit)
    const {
  for (std::size_t reason = 0; reason < kLeftOutReasons; ++reason) {
    for (const auto& [key, count] : leftOut_[reason]) {
      const std::size_t split = key.find('\0');
      const std::string_view whole = key;
      visit(static_cast<LeftOut>(reason), whole.substr(0, split),
            split == std::string::npos ? std::string_view() : whole.substr(split + 1), count);
    }
  }
}

std::string_view KindName(Token kind) {
  switch (kind) {
    case kTokenLine: return "LINE";
    case kToken3dline: return "3DLINE";
    case kTokenPoint: return "POINT";
    case kTokenCircle: return "CIRCLE";
    case kTokenArc: return "ARC";
    case kTokenSolid: return "SOLID";
    case kTokenTrace: return "TRACE";
    case kToken3dface: return "3DFACE";
    case kTokenShape: return "SHAPE";
    case kTokenEllipse: return "ELLIPSE";
    case kTokenDimension: return "DIMENSION";
    case kTokenText: return "TEXT";
    case kTokenMtext: return "MTEXT";
    case kTokenAttdef: return "ATTDEF";
    case kTokenAttrib: return "ATTRIB";
    case kTokenInsert: return "INSERT";
    case kTokenPolyline: return "POLYLINE";
    case kTokenVertex: return "VERTEX";
    case kTokenSeqend: return "SEQEND";
    case kTokenLwpolyline: return "LWPOLYLINE";
    default: return "?";
  }
}

}  // namespace dxfelem
