#include "support/reference_chaining.h"

#include <cmath>

namespace dxfelem::test {
namespace {

double Distance(const Point3& a, const Point3& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

bool Usable(const Element& element) {
  if (element.NodeCount() < 2 || element.IsClosed()) return false;
  return element.nodes().front().code != kNodeMed && element.nodes().back().code != kNodeMed;
}

}  // namespace

void ReferenceChain(Drawing& drawing, double tolerance, const CodedLayerTest& isCoded, bool startPoints) {
  auto& list = drawing.elements();
  if (list.size() <= 1) return;
  for (auto e = list.begin(); e != list.end(); ++e) {
    bool again = true;
    while (again) {
      again = false;
      if (!Usable(*e) || (isCoded && isCoded(e->layer()))) break;
      Point3 es, ee;
      e->FirstPoint(es);
      e->LastPoint(ee);
      for (auto f = std::next(e); f != list.end(); ++f) {
        if (!Usable(*f) || f->layer() != e->layer()) continue;
        Point3 fs, fe;
        f->FirstPoint(fs);
        f->LastPoint(fe);
        if (Distance(ee, fs) <= tolerance) {
          e->Append(*f);
        } else if (Distance(es, fe) <= tolerance) {
          e->Prepend(*f);
        } else if (Distance(ee, fe) <= tolerance) {
          f->Reverse();
          e->Append(*f);
        } else if (Distance(es, fs) <= tolerance) {
          e->Reverse();
          e->Append(*f);
        } else {
          continue;
        }
        list.erase(f);
        again = true;
        break;
      }
    }
  }
  if (!startPoints) return;
  for (Element& p : list) {
    if (p.NodeCount() > 1 || p.layer() == kUsedStartPointLayer) continue;
    Point3 s;
    if (!p.FirstPoint(s)) continue;
    for (Element& f : list) {
      if (f.NodeCount() < 2 || f.layer() != p.layer() || f.IsClosed()) continue;
      Point3 fs, fe;
      f.FirstPoint(fs);
      f.LastPoint(fe);
      const double d1 = Distance(s, fs);
      const double d2 = Distance(s, fe);
      if (d1 <= tolerance || d2 <= tolerance) {
        if (d2 <= tolerance) f.Reverse();
        p.set_layer(drawing.names().Intern(kUsedStartPointLayer));
        break;
      }
    }
  }
  for (auto it = list.begin(); it != list.end();) {
    it = it->NodeCount() <= 1 && it->layer() == kUsedStartPointLayer ? list.erase(it) : std::next(it);
  }
}

}  // namespace dxfelem::test
