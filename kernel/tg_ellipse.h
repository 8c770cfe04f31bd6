// Points of an axis-parallel ellipse.
#pragma once

#include "kernel/ll_list.h"

namespace dxfelem {

struct tg_rectangle {
  double x1, y1, z1;  // first corner; every point takes its z
  double x2, y2, z2;
};

// Appends the points of the ellipse inscribed in the rectangle to the list
// (type LL_TYPE_POINT_3D): clockwise from the top point round to the top
// point again, sampled in equal steps of y. The requested count is raised to
// a multiple of 4 of at least 4 (q = count / 4); 4q + 1 points are produced.
// Answers TG_OK, TG_NO_LIST, TG_BAD_RECTANGLE (reported to the user) or
// TG_NO_MEMORY (the list is then emptied).
int tg_ellipsepnts(const tg_rectangle& rectangle, int& requested, int& produced, ll_list* list);

}  // namespace dxfelem
