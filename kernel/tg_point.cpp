#include "kernel/tg_point.h"

namespace dxfelem {

void tg_identity_matrix(tg_matrix m) {
  for (int i = 0; i < 16; ++i) m[i] = 0.0;
  m[0] = m[5] = m[10] = m[15] = 1.0;
}

void tg_copy_matrix(const tg_matrix from, tg_matrix to) {
  for (int i = 0; i < 16; ++i) to[i] = from[i];
}

void tg_apply_matrix(const tg_matrix m, double x, double y, double z, double& outX, double& outY, double& outZ) {
  const double rx = m[0] * x + m[4] * y + m[8] * z + m[12];
  const double ry = m[1] * x + m[5] * y + m[9] * z + m[13];
  const double rz = m[2] * x + m[6] * y + m[10] * z + m[14];
  outX = rx;
  outY = ry;
  outZ = rz;
}

}  // namespace dxfelem
