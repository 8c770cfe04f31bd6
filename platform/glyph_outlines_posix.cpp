// Glyph outlines from FreeType, for systems without the Windows font system:
// the face comes from fontconfig, the outline is put into the native form
// the Windows function returns, so the code above sees no difference.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstring>

#include "platform/glyph_outlines.h"

namespace dxfelem {

struct GlyphSource::State {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

namespace {

// The font file fontconfig chooses for the request (it falls back to a
// sans font when the face is unknown).
bool FindFontFile(const FontRequest& request, std::string& path, int& index) {
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return false;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.faceName.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, request.weight >= 700 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return false;
  FcChar8* file = nullptr;
  const bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr;
  if (found) path = reinterpret_cast<const char*>(file);
  index = 0;
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  FcPatternDestroy(match);
  return found;
}

// 26.6 fixed point to the 16.16 of the native form, as its two halves.
void PutFixed(std::vector<uint8_t>& out, FT_Pos value) {
  const int32_t fixed = static_cast<int32_t>(value * 1024);  // << 10, sign kept
  const uint32_t bits = static_cast<uint32_t>(fixed);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

void PutWord(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutDword(std::vector<uint8_t>& out, std::size_t at, uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool IsOn(const FT_Outline& outline, int point) { return (FT_CURVE_TAG(outline.tags[point]) == FT_CURVE_TAG_ON); }

// One contour: a polygon header at its first on-curve point (or at the
// midpoint of its first two off points), then line records for runs of
// on-curve points and quadratic records for off-curve runs, each ending on
// a point on the curve; the implied on-curve midpoints are left out, as in
// the TrueType form.
void PutContour(const FT_Outline& outline, int first, int last, std::vector<uint8_t>& out) {
  const int count = last - first + 1;
  if (count < 2) return;
  auto point = [&](int k) { return outline.points[first + ((k % count) + count) % count]; };
  int start = -1;
  for (int k = 0; k < count; ++k) {
    if (IsOn(outline, first + k)) {
      start = k;
      break;
    }
  }
  FT_Vector startPoint;
  if (start >= 0) {
    startPoint = point(start);
  } else {
    startPoint = {(point(0).x + point(1).x) / 2, (point(0).y + point(1).y) / 2};
    start = 0;  // all off: begin between the first two
  }
  const std::size_t header = out.size();
  out.resize(out.size() + 8);  // byte count and type, filled in at the end
  PutFixed(out, startPoint.x);
  PutFixed(out, startPoint.y);
  // Walk once round from the start, back to it.
  int k = start + 1;
  const int end = start + count;
  while (k <= end) {
    const bool on = IsOn(outline, first + ((k % count) + count) % count);
    const std::size_t record = out.size();
    PutWord(out, on ? kOutlineLine : kOutlineQuadratic);
    PutWord(out, 0);
    uint16_t points = 0;
    if (on) {
      // A line back to the start is implied: the Windows function leaves
      // the start point out at the end of a line record.
      while (k < end && IsOn(outline, first + ((k % count) + count) % count)) {
        const FT_Vector p = point(k);
        PutFixed(out, p.x);
        PutFixed(out, p.y);
        ++points;
        ++k;
      }
      if (k == end && IsOn(outline, first + ((k % count) + count) % count)) ++k;
      if (points == 0) {
        out.resize(record);
        continue;
      }
    } else {
      while (k <= end) {
        const bool isOn = IsOn(outline, first + ((k % count) + count) % count);
        const FT_Vector p = k == end ? startPoint : point(k);
        PutFixed(out, p.x);
        PutFixed(out, p.y);
        ++points;
        ++k;
        if (isOn || k > end) break;
      }
    }
    out[record + 2] = static_cast<uint8_t>(points);
    out[record + 3] = static_cast<uint8_t>(points >> 8);
  }
  PutDword(out, header, static_cast<uint32_t>(out.size() - header));
  PutDword(out, header + 4, kOutlinePolygon);
}

}  // namespace

GlyphSource::GlyphSource() : state_(std::make_unique<State>()) {}

GlyphSource::~GlyphSource() {
  if (state_->face != nullptr) FT_Done_Face(state_->face);
  if (state_->library != nullptr) FT_Done_FreeType(state_->library);
}

bool GlyphSource::Open(const FontRequest& request) {
  std::string path;
  int index = 0;
  if (!FindFontFile(request, path, index)) return false;
  if (FT_Init_FreeType(&state_->library) != 0) return false;
  if (FT_New_Face(state_->library, path.c_str(), index, &state_->face) != 0) return false;
  // A negative height asks for the character height (the em), in units.
  const FT_UInt pixels = static_cast<FT_UInt>(std::abs(request.height));
  return FT_Set_Pixel_Sizes(state_->face, 0, pixels == 0 ? 50 : pixels) == 0;
}

std::string GlyphSource::FaceName() const {
  if (state_->face == nullptr || state_->face->family_name == nullptr) return {};
  return state_->face->family_name;
}

bool GlyphSource::Metrics(unsigned char character, GlyphMetrics& metrics) {
  std::vector<uint8_t> unused;
  return Outline(character, metrics, unused);
}

bool GlyphSource::Outline(unsigned char character, GlyphMetrics& metrics, std::vector<uint8_t>& outline) {
  outline.clear();
  if (state_->face == nullptr) return false;
  // Single-byte text is Windows code page 1252; its letters above 127 that
  // differ from Latin-1 are few and mapped through the face's Unicode map
  // as Latin-1 here.
  const FT_UInt glyph = FT_Get_Char_Index(state_->face, character);
  if (FT_Load_Glyph(state_->face, glyph, FT_LOAD_NO_BITMAP) != 0) return false;
  const FT_GlyphSlot slot = state_->face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  FT_BBox box;
  FT_Outline_Get_CBox(&slot->outline, &box);
  // Whole units outward, as the black box of the Windows function.
  const FT_Pos left = box.xMin >> 6;
  const FT_Pos right = (box.xMax + 63) >> 6;
  const FT_Pos bottom = box.yMin >> 6;
  const FT_Pos top = (box.yMax + 63) >> 6;
  metrics.blackBoxX = static_cast<uint32_t>(right - left);
  metrics.blackBoxY = static_cast<uint32_t>(top - bottom);
  metrics.originX = static_cast<int32_t>(left);
  metrics.originY = static_cast<int32_t>(top);
  metrics.cellIncX = static_cast<int16_t>((slot->advance.x + 32) >> 6);
  metrics.cellIncY = 0;
  int first = 0;
  for (int c = 0; c < slot->outline.n_contours; ++c) {
    const int last = slot->outline.contours[c];
    PutContour(slot->outline, first, last, outline);
    first = last + 1;
  }
  return true;
}

}  // namespace dxfelem
