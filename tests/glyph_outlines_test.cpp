// Glyph outlines in the native TrueType form, from the platform's font
// system (FreeType and fontconfig here, with the DejaVu fonts installed).
#include "platform/glyph_outlines.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace dxfelem {
namespace {

struct Contour {
  double startX = 0.0;
  double startY = 0.0;
  std::vector<uint16_t> recordTypes;
  std::vector<double> ys;  // every point's y, the start's included
};

double Fixed(const uint8_t* bytes) {
  int32_t value = 0;
  std::memcpy(&value, bytes, 4);  // little-endian, as on the hosts
  return value / 65536.0;
}

// Walks the native form: headers with their byte counts, records of
// (type, count, points).
std::vector<Contour> Parse(const std::vector<uint8_t>& outline) {
  std::vector<Contour> contours;
  std::size_t at = 0;
  while (at + 16 <= outline.size()) {
    uint32_t bytes = 0;
    uint32_t type = 0;
    std::memcpy(&bytes, &outline[at], 4);
    std::memcpy(&type, &outline[at + 4], 4);
    EXPECT_EQ(type, kOutlinePolygon);
    Contour contour;
    contour.startX = Fixed(&outline[at + 8]);
    contour.startY = Fixed(&outline[at + 12]);
    contour.ys.push_back(contour.startY);
    std::size_t record = at + 16;
    while (record < at + bytes) {
      uint16_t recordType = 0;
      uint16_t points = 0;
      std::memcpy(&recordType, &outline[record], 2);
      std::memcpy(&points, &outline[record + 2], 2);
      contour.recordTypes.push_back(recordType);
      for (uint16_t p = 0; p < points; ++p) contour.ys.push_back(Fixed(&outline[record + 4 + 8 * p + 4]));
      record += 4 + 8 * static_cast<std::size_t>(points);
    }
    EXPECT_EQ(record, at + bytes);
    contours.push_back(contour);
    at += bytes;
  }
  EXPECT_EQ(at, outline.size());
  return contours;
}

TEST(GlyphOutlines, NativeFormOfStraightAndCurvedGlyphs) {
  GlyphSource source;
  ASSERT_TRUE(source.Open(FontRequest{}));  // "Txt" is no installed face: a sans font stands in
  GlyphMetrics metrics;
  std::vector<uint8_t> outline;
  // DejaVu Sans: a capital I is 1493 of 2048 units tall, 36.45 at an em of
  // 50, hinted to 36 whole units as the Windows font system gives it.
  ASSERT_TRUE(source.Outline('I', metrics, outline));
  EXPECT_EQ(metrics.blackBoxY, 36u);
  EXPECT_EQ(metrics.originY, 36);
  std::vector<Contour> contours = Parse(outline);
  ASSERT_EQ(contours.size(), 1u);
  ASSERT_EQ(contours[0].recordTypes.size(), 1u);
  EXPECT_EQ(contours[0].recordTypes[0], kOutlineLine);
  // Start and three more corners: the line back to the start is implied.
  ASSERT_EQ(contours[0].ys.size(), 4u);
  for (double y : contours[0].ys) EXPECT_TRUE(y == 0.0 || y == 36.0) << y;

  // O: an outer and an inner contour of quadratic splines.
  ASSERT_TRUE(source.Outline('O', metrics, outline));
  contours = Parse(outline);
  ASSERT_EQ(contours.size(), 2u);
  for (const Contour& contour : contours) {
    bool quadratic = false;
    for (uint16_t type : contour.recordTypes) quadratic |= type == kOutlineQuadratic;
    EXPECT_TRUE(quadratic);
  }
  // A space has no ink.
  ASSERT_TRUE(source.Outline(' ', metrics, outline));
  EXPECT_TRUE(outline.empty());
  EXPECT_GT(metrics.cellIncX, 0);
}

TEST(GlyphOutlines, BoldAndNamedFaces) {
  GlyphSource regular;
  GlyphSource bold;
  FontRequest request;
  request.faceName = "DejaVu Sans";
  ASSERT_TRUE(regular.Open(request));
  request.weight = 700;
  ASSERT_TRUE(bold.Open(request));
  GlyphMetrics thin;
  GlyphMetrics thick;
  ASSERT_TRUE(regular.Metrics('I', thin));
  ASSERT_TRUE(bold.Metrics('I', thick));
  EXPECT_GT(thick.blackBoxX, thin.blackBoxX);
  GlyphSource unopened;
  std::vector<uint8_t> outline;
  EXPECT_FALSE(unopened.Outline('I', thin, outline));
}

}  // namespace
}  // namespace dxfelem
