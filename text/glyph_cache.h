// The fonts and glyph outlines of one conversion. The hosts ask the font
// system twice per character and keep nothing; here each font is opened
// once per call and each character's outline asked for once, so a drawing
// of thousands of labels in one font costs little more than its geometry.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/glyph_outlines.h"
#include "text/glyph_contours.h"

namespace dxfelem {

struct CachedGlyph {
  GlyphMetrics metrics;
  std::vector<CubicChain> contours;  // in font units
};

class CachedFont {
 public:
  // False when the font cannot be had (the text then yields nothing).
  bool Open(const FontRequest& request);
  // The metrics of "I", whose black box gives the scale; null without them.
  const GlyphMetrics* LetterI() const { return letterI_ ? &*letterI_ : nullptr; }
  // Null when the font has no outline for the character.
  const CachedGlyph* Glyph(unsigned char character);
  // The face the font system gave.
  const std::string& FaceName() const { return faceName_; }

 private:
  GlyphSource source_;
  std::string faceName_;
  std::optional<GlyphMetrics> letterI_;
  std::array<std::optional<std::optional<CachedGlyph>>, 256> glyphs_;
};

class GlyphCache {
 public:
  // The font for the request, opened on first use; null when it cannot be.
  CachedFont* FontFor(const FontRequest& request);
  // The faces asked for that the font system gave another face for: asked,
  // then given.
  const std::map<std::string, std::string>& Substitutes() const { return substitutes_; }

 private:
  std::map<std::string, std::string> substitutes_;
  using Key = std::tuple<std::string, int32_t, int32_t, int32_t, int32_t, bool, bool>;
  std::map<Key, std::unique_ptr<CachedFont>> fonts_;
};

}  // namespace dxfelem
