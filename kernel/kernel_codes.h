// Return codes of the tg_ functions.
#pragma once

namespace dxfelem {

enum : int {
  TG_OK = 0,
  TG_BAD_RECTANGLE = 75,  // a bounding rectangle of (near) zero width or height
  TG_NO_MEMORY = 80,      // memory exhausted
};

}  // namespace dxfelem
