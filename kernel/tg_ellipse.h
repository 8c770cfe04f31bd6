// Points of an axis-parallel ellipse.
#pragma once

#include <vector>

#include "kernel/tg_point.h"

namespace dxfelem {

struct tg_rectangle {
  double x1, y1, z1;  // first corner; every point takes its z
  double x2, y2, z2;
};

// Fills `points` with the points of the ellipse inscribed in the rectangle:
// clockwise from the top point round to the top point again, sampled in
// equal steps of y. The requested count is raised to a multiple of 4 of at
// least 4 (q = count / 4); 4q + 1 points are produced. Answers TG_OK,
// TG_BAD_RECTANGLE (reported to the user) or TG_NO_MEMORY (the points are
// then empty). The hosts' kernel kept the points in a linked list of its
// own; nothing outside the kernel saw the list, so a vector holds them here.
int tg_ellipsepnts(const tg_rectangle& rectangle, int& requested, int& produced, std::vector<tg_poly_3D>& points);

}  // namespace dxfelem
