// Return codes of the tg_ and ll_ functions.
#pragma once

namespace dxfelem {

enum : int {
  TG_OK = 0,
  TG_LIST_NOT_EMPTY = 8,   // a list header to free still holds items
  TG_NOT_OWNED = 9,        // a list to clear holds an item whose data it does not own
  TG_NO_LIST = 40,         // no list given
  TG_BAD_RECTANGLE = 75,   // a bounding rectangle of (near) zero width or height
  TG_NO_MEMORY = 80,       // memory exhausted
};

}  // namespace dxfelem
