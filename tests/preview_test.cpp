// The picture of an element file: arcs through their middle point with the
// right radius, sweep and size (the whole picture, and the element file as
// a plain DXF read back with ezdxf: tests/data/transcripts/pictures.t).
#include <gtest/gtest.h>

#include <cmath>

#include "picture/svg_preview.h"

namespace dxfelem {
namespace {

TEST(Preview, ArcsThroughTheirMiddlePoint) {
  const double h = std::sqrt(0.5) * 10;
  // On the page y points down: from 0 through 45 to 90 degrees grows the
  // angle, clockwise on screen (SVG's sweep 1), a quarter: not large.
  EXPECT_EQ(ArcCommand(10, 0, h, h, 0, 10), "A 10.000 10.000 0 0 1 0.000 10.000");
  // From 0 back through -90 to 90: three quarters the other way.
  EXPECT_EQ(ArcCommand(10, 0, 0, -10, 0, 10), "A 10.000 10.000 0 1 0 0.000 10.000");
  // A half circle through the top, and three points on a line.
  EXPECT_EQ(ArcCommand(10, 0, 0, -10, -10, 0), "A 10.000 10.000 0 0 0 -10.000 0.000");
  EXPECT_EQ(ArcCommand(0, 0, 1, 1, 2, 2), "L 2.000 2.000");
}

}  // namespace
}  // namespace dxfelem
