#include "kernel/tg_ellipse.h"

#include <cmath>
#include <new>

#include "kernel/kernel_codes.h"
#include "kernel/kernel_messages.h"
#include "kernel/tg_point.h"

namespace dxfelem {
namespace {

constexpr int kMostEllipsePoints = 1 << 20;

}  // namespace

int tg_ellipsepnts(const tg_rectangle& rectangle, int& requested, int& produced, std::vector<tg_poly_3D>& points) {
  produced = 0;
  points.clear();
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

  const int half = 2 * q + 1;
  try {
    points.reserve(static_cast<std::size_t>(2 * half - 1));
  } catch (const std::bad_alloc&) {
    tg_memory_error("tg_ellipsepnts");
    return TG_NO_MEMORY;
  }
  // The right half, top to bottom.
  points.push_back({1, cx, cy + b, z});
  for (int i = 1; i < q; ++i) {
    const double y = cy + b - i * step;
    points.push_back({1, xAt(y), y, z});
  }
  points.push_back({1, cx + a, cy, z});
  for (int i = 1; i < q; ++i) {
    const double y = cy - i * step;
    points.push_back({1, xAt(y), y, z});
  }
  points.push_back({1, cx, cy - b, z});
  // The left half: back from the point before the bottom one up to the top,
  // mirrored about the centre's x.
  for (int i = half - 2; i >= 0; --i) {
    const tg_poly_3D source = points[static_cast<std::size_t>(i)];
    points.push_back({1, cx - (source.x - cx), source.y, source.z});
  }
  produced = 2 * half - 1;
  return TG_OK;
}

}  // namespace dxfelem
