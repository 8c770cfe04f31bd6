// The text styles of the drawing's STYLE table, for the text outlines.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dxfelem {

struct TextStyle {
  std::string name;      // as read; an empty name ends the table
  std::string fontName;  // first non-blank of extended data, big font, primary font
  double obliqueAngle = 0.0;
  uint32_t fontFlags = 0;
};

inline constexpr std::size_t kTextStyleTableSize = 40;
using TextStyleTable = std::array<TextStyle, kTextStyleTableSize>;

}  // namespace dxfelem
