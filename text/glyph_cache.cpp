#include "text/glyph_cache.h"

namespace dxfelem {
namespace {

// Fonts kept at once: a drawing names a handful; one that names thousands
// (a face per label) starts afresh now and then instead of holding them all.
constexpr std::size_t kMostFonts = 32;

// Face names are told apart without regard to case, as the font systems do.
bool SameFace(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool CachedFont::Open(const FontRequest& request) {
  if (!source_.Open(request)) return false;
  faceName_ = source_.FaceName();
  GlyphMetrics metrics;
  if (source_.Metrics('I', metrics)) letterI_ = metrics;
  return true;
}

const CachedGlyph* CachedFont::Glyph(unsigned char character) {
  std::optional<std::optional<CachedGlyph>>& slot = glyphs_[character];
  if (!slot) {
    CachedGlyph glyph;
    std::vector<uint8_t> outline;
    if (source_.Outline(character, glyph.metrics, outline)) {
      glyph.contours = CubicContours(outline);
      slot.emplace(std::move(glyph));
    } else {
      slot.emplace(std::nullopt);
    }
  }
  return *slot ? &**slot : nullptr;
}

CachedFont* GlyphCache::FontFor(const FontRequest& request) {
  const Key key{request.faceName, request.height, request.escapement, request.orientation,
                request.weight,   request.italic, request.underline};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.get();
  if (fonts_.size() >= kMostFonts) fonts_.clear();
  auto font = std::make_unique<CachedFont>();
  // A font that cannot be had is remembered as such: null.
  if (!font->Open(request)) font.reset();
  if (font && !font->FaceName().empty() && !SameFace(request.faceName, font->FaceName())) {
    substitutes_[request.faceName] = font->FaceName();
  }
  return fonts_.emplace(key, std::move(font)).first->second.get();
}

}  // namespace dxfelem
