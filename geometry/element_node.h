// One node of an element: what the element file writes as one line.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry/point3.h"

namespace dxfelem {

enum NodeCode : int32_t {
  kNodeIso = 0,   // isolated point, an element by itself
  kNodeIni = 1,   // first node of a path
  kNodeItp = 2,   // a further start inside a path
  kNodeSpl = 3,   // a path vertex of its own code
  kNodeMed = 4,   // middle point of an arc
  kNodeVer = 5,   // vertex inside a path
  kNodeFin = 6,   // last node of a path
  kNodeMcr = 7,   // macro call (tag = block name)
  kNodeApl = 8,   // placement of a block insertion (tag = block name)
  kNodePar = 9,   // attribute (layer = attribute tag, tag = its value)
  kNodeTxt = 10,  // text
};

// Standalone nodes form an element by themselves and never take part in joining.
inline bool IsStandaloneCode(int32_t code) {
  return code == kNodeIso || code == kNodeMcr || code == kNodeApl || code == kNodePar || code == kNodeTxt;
}

// The three-letter mnemonic of the element file; "NUL" for a code without one.
inline std::string_view NodeMnemonic(int32_t code) {
  constexpr std::string_view kMnemonics[] = {"ISO", "INI", "ITP", "SPL", "MED", "VER",
                                             "FIN", "MCR", "APL", "PAR", "TXT"};
  if (code < 0 || code > kNodeTxt) return "NUL";
  return kMnemonics[code];
}

struct ElementNode {
  int32_t code = kNodeIso;
  int32_t entity = 0;
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double value = 0.0;

  Point3 point() const { return {x, y, z}; }
};

inline ElementNode MakeNode(int32_t code, int32_t entity, const Point3& p, double value = 0.0) {
  return ElementNode{code, entity, p.x, p.y, p.z, value};
}

}  // namespace dxfelem
