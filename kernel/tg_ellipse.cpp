#include "kernel/tg_ellipse.h"

#include <cmath>
#include <cstdlib>

#include "kernel/kernel_codes.h"
#include "kernel/kernel_messages.h"
#include "kernel/tg_point.h"

namespace dxfelem {
namespace {

constexpr int kMostEllipsePoints = 1 << 20;

bool AppendPoint(ll_list* list, double x, double y, double z) {
  tg_poly_3D* point = tg_create_poly_3D();
  if (point == nullptr) return false;
  point->type = 1;
  point->x = x;
  point->y = y;
  point->z = z;
  if (!ll_add_list_item(list, LL_TAIL, point, LL_TYPE_POINT_3D)) {
    std::free(point);
    return false;
  }
  return true;
}

}  // namespace

int tg_ellipsepnts(const tg_rectangle& rectangle, int& requested, int& produced, ll_list* list) {
  produced = 0;
  if (list == nullptr) return TG_NO_LIST;
  const double a = std::fabs(rectangle.x2 - rectangle.x1) / 2.0;
  const double b = std::fabs(rectangle.y2 - rectangle.y1) / 2.0;
  if (a <= 1e-7 || b <= 1e-7) {
    tg_report_error("BADRECT", TG_BAD_RECTANGLE, "tg_ellipsepnts");
    return TG_BAD_RECTANGLE;
  }
  const double cx = rectangle.x1 + a;
  const double cy = rectangle.y1 + b;
  const double z = rectangle.z1;

  if (requested < 4) requested = 4;
  // A million points is far beyond any machine's resolution; a larger count
  // (a mistyped setting) would only exhaust memory.
  if (requested > kMostEllipsePoints) requested = kMostEllipsePoints;
  requested = (requested + 3) / 4 * 4;
  const int q = requested / 4;
  const double step = b / q;
  auto xAt = [&](double y) { return cx + (a / b) * std::sqrt(b * b - (y - cy) * (y - cy)); };

  // The right half, top to bottom; its points are remembered for the mirror.
  const int half = 2 * q + 1;
  bool ok = AppendPoint(list, cx, cy + b, z);
  for (int i = 1; ok && i < q; ++i) {
    const double y = cy + b - i * step;
    ok = AppendPoint(list, xAt(y), y, z);
  }
  ok = ok && AppendPoint(list, cx + a, cy, z);
  for (int i = 1; ok && i < q; ++i) {
    const double y = cy - i * step;
    ok = AppendPoint(list, xAt(y), y, z);
  }
  ok = ok && AppendPoint(list, cx, cy - b, z);

  // The left half: back from the point before the bottom one up to the top,
  // mirrored about the centre's x.
  if (ok) {
    ll_item* source = list->tail->previous;
    for (int i = 0; ok && i < half - 1; ++i) {
      const auto* point = static_cast<const tg_poly_3D*>(source->data);
      ok = AppendPoint(list, cx - (point->x - cx), point->y, point->z);
      source = source->previous;
    }
  }
  if (!ok) {
    ll_free_items(list);
    return TG_NO_MEMORY;
  }
  produced = 2 * half - 1;
  return TG_OK;
}

}  // namespace dxfelem
