// The kernel's 3D point record, and its 4x4 affine matrices.
#pragma once

#include <cstdint>

namespace dxfelem {

struct tg_poly_3D {
  int32_t type;  // 1 for an ordinary point
  double x;
  double y;
  double z;
};

// Stored by columns: the x, y and z columns of the linear part in places
// 0-2, 4-6 and 8-10, the translation in 12-14, the row (0, 0, 0, 1) in 3, 7,
// 11 and 15.
using tg_matrix = double[16];

void tg_identity_matrix(tg_matrix m);
void tg_copy_matrix(const tg_matrix from, tg_matrix to);
// (M0 x + M4 y + M8 z + M12, M1 x + M5 y + M9 z + M13, M2 x + M6 y + M10 z + M14)
void tg_apply_matrix(const tg_matrix m, double x, double y, double z, double& outX, double& outY, double& outZ);

}  // namespace dxfelem
