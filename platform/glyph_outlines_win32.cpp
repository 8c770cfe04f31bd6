// Glyph outlines from the Windows font system, as the text outlines have
// always asked for them.
#include <windows.h>

#include <cstring>

#include "platform/glyph_outlines.h"

namespace dxfelem {

struct GlyphSource::State {
  HDC context = nullptr;
  HFONT font = nullptr;
  HGDIOBJ previous = nullptr;
};

namespace {

// The identity transformation, in 16.16 fixed point.
MAT2 Identity() {
  MAT2 matrix;
  std::memset(&matrix, 0, sizeof matrix);
  matrix.eM11.value = 1;
  matrix.eM22.value = 1;
  return matrix;
}

void Copy(const GLYPHMETRICS& from, GlyphMetrics& to) {
  to.blackBoxX = from.gmBlackBoxX;
  to.blackBoxY = from.gmBlackBoxY;
  to.originX = from.gmptGlyphOrigin.x;
  to.originY = from.gmptGlyphOrigin.y;
  to.cellIncX = from.gmCellIncX;
  to.cellIncY = from.gmCellIncY;
}

}  // namespace

GlyphSource::GlyphSource() : state_(std::make_unique<State>()) {}

GlyphSource::~GlyphSource() {
  if (state_->context == nullptr) return;
  if (state_->previous != nullptr) SelectObject(state_->context, state_->previous);
  if (state_->font != nullptr) DeleteObject(state_->font);
  DeleteDC(state_->context);
}

bool GlyphSource::Open(const FontRequest& request) {
  state_->context = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (state_->context == nullptr) return false;
  LOGFONTA font;
  std::memset(&font, 0, sizeof font);
  font.lfHeight = request.height;
  font.lfEscapement = request.escapement;
  font.lfOrientation = request.orientation;
  font.lfWeight = request.weight;
  font.lfItalic = request.italic ? 1 : 0;
  font.lfUnderline = request.underline ? 1 : 0;
  font.lfCharSet = 1;       // the default character set
  font.lfOutPrecision = 7;  // TrueType fonts only
  font.lfClipPrecision = 0x10;
  font.lfQuality = 2;  // proof quality
  std::strncpy(font.lfFaceName, request.faceName.c_str(), LF_FACESIZE - 1);
  state_->font = CreateFontIndirectA(&font);
  if (state_->font == nullptr) return true;  // the context's own font stays
  state_->previous = SelectObject(state_->context, state_->font);
  return true;
}

std::string GlyphSource::FaceName() const {
  if (state_->context == nullptr) return {};
  char face[LF_FACESIZE] = {};
  const int length = GetTextFaceA(state_->context, LF_FACESIZE, face);
  return length > 0 ? std::string(face) : std::string();
}

bool GlyphSource::Metrics(unsigned char character, GlyphMetrics& metrics) {
  if (state_->context == nullptr) return false;
  GLYPHMETRICS glyph;
  const MAT2 matrix = Identity();
  if (GetGlyphOutlineA(state_->context, character, GGO_NATIVE, &glyph, 0, nullptr, &matrix) == GDI_ERROR) {
    return false;
  }
  Copy(glyph, metrics);
  return true;
}

bool GlyphSource::Outline(unsigned char character, GlyphMetrics& metrics, std::vector<uint8_t>& outline) {
  outline.clear();
  if (state_->context == nullptr) return false;
  GLYPHMETRICS glyph;
  const MAT2 matrix = Identity();
  const DWORD size = GetGlyphOutlineA(state_->context, character, GGO_NATIVE, &glyph, 0, nullptr, &matrix);
  if (size == GDI_ERROR) return false;
  Copy(glyph, metrics);
  if (size == 0) return true;
  // A movable, zero-filled block of exactly the reported size.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (block == nullptr) return false;
  void* buffer = GlobalLock(block);
  bool ok = buffer != nullptr &&
            GetGlyphOutlineA(state_->context, character, GGO_NATIVE, &glyph, size, buffer, &matrix) != GDI_ERROR;
  if (ok) outline.assign(static_cast<const uint8_t*>(buffer), static_cast<const uint8_t*>(buffer) + size);
  if (buffer != nullptr) GlobalUnlock(block);
  GlobalFree(block);
  return ok;
}

}  // namespace dxfelem
