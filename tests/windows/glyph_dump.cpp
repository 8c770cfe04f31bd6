// Prints the outlines the platform's font system gives for a text, in a
// form both systems print alike, for the comparison of GDI and FreeType:
//   glyph_dump FACE TEXT
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/glyph_outlines.h"

namespace {

double Fixed(const uint8_t* bytes) {
  int32_t value = 0;
  std::memcpy(&value, bytes, 4);
  return value / 65536.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  dxfelem::FontRequest request;
  request.faceName = argv[1];
  dxfelem::GlyphSource source;
  if (!source.Open(request)) {
    std::printf("no device context\n");
    return 1;
  }
  for (const char* c = argv[2]; *c != '\0'; ++c) {
    dxfelem::GlyphMetrics metrics;
    std::vector<uint8_t> outline;
    if (!source.Outline(static_cast<unsigned char>(*c), metrics, outline)) {
      std::printf("glyph %c: none\n", *c);
      continue;
    }
    std::printf("glyph %c box %u %u origin %d %d\n", *c, metrics.blackBoxX, metrics.blackBoxY, metrics.originX,
                metrics.originY);
    std::size_t at = 0;
    while (at + 16 <= outline.size()) {
      uint32_t bytes = 0;
      std::memcpy(&bytes, &outline[at], 4);
      if (bytes < 16 || at + bytes > outline.size()) break;
      std::printf("contour start %.2f %.2f\n", Fixed(&outline[at + 8]), Fixed(&outline[at + 12]));
      std::size_t record = at + 16;
      while (record + 4 <= at + bytes) {
        uint16_t type = 0;
        uint16_t points = 0;
        std::memcpy(&type, &outline[record], 2);
        std::memcpy(&points, &outline[record + 2], 2);
        std::printf(" %s", type == 1 ? "line" : type == 2 ? "qspline" : "other");
        for (uint16_t p = 0; p < points && record + 12 + 8 * p <= at + bytes; ++p) {
          std::printf(" %.2f,%.2f", Fixed(&outline[record + 4 + 8 * p]), Fixed(&outline[record + 8 + 8 * p]));
        }
        std::printf("\n");
        record += 4 + 8 * static_cast<std::size_t>(points);
      }
      at += bytes;
    }
  }
  return 0;
}
