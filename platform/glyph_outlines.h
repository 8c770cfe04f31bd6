// Glyph outlines of TrueType fonts, as the Windows font system gives them:
// a font asked for by face name and character height, then per character
// its metrics and its outline in the native TrueType form (polygon headers
// followed by line and quadratic-spline records, coordinates in 16.16 fixed
// point, font units). On Windows this is GDI; elsewhere FreeType with
// fonts found by fontconfig.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dxfelem {

// The logical font the text outlines ask for.
struct FontRequest {
  std::string faceName = "Txt";
  int32_t height = -50;  // a character height of 50 units
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;  // 0 normal, 700 bold
  bool italic = false;
  bool underline = false;
};

struct GlyphMetrics {
  uint32_t blackBoxX = 0;
  uint32_t blackBoxY = 0;  // the height of the glyph's ink
  int32_t originX = 0;     // the ink's left edge from the glyph origin
  int32_t originY = 0;     // the ink's top above the baseline
  int16_t cellIncX = 0;
  int16_t cellIncY = 0;
};

// The record types of the native outline form.
enum : uint16_t { kOutlineLine = 1, kOutlineQuadratic = 2, kOutlineCubic = 3 };
enum : uint32_t { kOutlinePolygon = 24 };

class GlyphSource {
 public:
  GlyphSource();
  ~GlyphSource();  // the previous font back, the font deleted, the context released
  GlyphSource(const GlyphSource&) = delete;
  GlyphSource& operator=(const GlyphSource&) = delete;

  // Makes the device context and selects the requested font; false when
  // there is no device context (the text then yields nothing).
  bool Open(const FontRequest& request);
  // The metrics of a character (no outline).
  bool Metrics(unsigned char character, GlyphMetrics& metrics);
  // The outline of a character in the native form, with its metrics; the
  // buffer is asked for its size first, as with the Windows function.
  bool Outline(unsigned char character, GlyphMetrics& metrics, std::vector<uint8_t>& outline);
  // The face the font system gave for the request ("" when unknown): another
  // than the one asked for when it substituted a face it does not have.
  std::string FaceName() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace dxfelem
