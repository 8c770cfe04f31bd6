#include "text/glyph_contours.h"

#include <cmath>
#include <cstring>

#include "platform/glyph_outlines.h"

namespace dxfelem {
namespace {

// The single-precision 1e-5, widened: a contour ending this close to its
// start needs no closing line.
constexpr double kClosed = 9.999999747378752e-06;

uint32_t Dword(const std::vector<uint8_t>& bytes, std::size_t at) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return value;
}

uint16_t Word(const std::vector<uint8_t>& bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// 16.16 fixed point: the integer part (signed) plus the fraction / 65536.
double Fixed(const std::vector<uint8_t>& bytes, std::size_t at) {
  const int16_t whole = static_cast<int16_t>(Word(bytes, at + 2));
  return whole + Word(bytes, at) / 65536.0;
}

PlanePoint PointAt(const std::vector<uint8_t>& bytes, std::size_t at) {
  return {Fixed(bytes, at), Fixed(bytes, at + 4)};
}

// A straight piece from the chain's end to b: the degenerate cubic b, a, b,
// which runs along the segment.
void AddLine(CubicChain& chain, PlanePoint b) {
  const PlanePoint a = chain.back();
  chain.push_back(b);
  chain.push_back(a);
  chain.push_back(b);
}

// A quadratic piece from the chain's end through control q to e, raised to
// a cubic.
void AddQuadratic(CubicChain& chain, PlanePoint q, PlanePoint e) {
  const PlanePoint p0 = chain.back();
  constexpr double kTwoThirds = 2.0 / 3.0;
  chain.push_back({p0.x + kTwoThirds * (q.x - p0.x), p0.y + kTwoThirds * (q.y - p0.y)});
  chain.push_back({e.x + kTwoThirds * (q.x - e.x), e.y + kTwoThirds * (q.y - e.y)});
  chain.push_back(e);
}

// The points of a quadratic-spline record: every point but the last is a
// control point, followed by the midpoint to the next one (the last is the
// end point itself).
void AddSpline(CubicChain& chain, const std::vector<PlanePoint>& q) {
  if (q.size() == 1) {
    AddLine(chain, q[0]);  // no control point: the record only moves on
    return;
  }
  for (std::size_t k = 0; k + 1 < q.size(); ++k) {
    const PlanePoint end =
        k + 2 == q.size() ? q[k + 1] : PlanePoint{(q[k].x + q[k + 1].x) / 2.0, (q[k].y + q[k + 1].y) / 2.0};
    AddQuadratic(chain, q[k], end);
  }
}

}  // namespace

std::vector<CubicChain> CubicContours(const std::vector<uint8_t>& outline) {
  std::vector<CubicChain> contours;
  std::size_t at = 0;
  while (at + 16 <= outline.size()) {
    const uint32_t bytes = Dword(outline, at);
    if (Dword(outline, at + 4) != kOutlinePolygon || bytes < 16 || bytes > outline.size() - at) break;
    const std::size_t end = at + bytes;
    CubicChain chain{PointAt(outline, at + 8)};
    const PlanePoint start = chain.front();
    std::size_t record = at + 16;
    std::vector<PlanePoint> points;
    while (record + 4 <= end) {
      const uint16_t type = Word(outline, record);
      const std::size_t count = Word(outline, record + 2);
      const std::size_t next = record + 4 + 8 * count;
      if (next > end) break;
      points.clear();
      for (std::size_t p = 0; p < count; ++p) points.push_back(PointAt(outline, record + 4 + 8 * p));
      if (type == kOutlineLine) {
        for (const PlanePoint& b : points) AddLine(chain, b);
      } else if (type == kOutlineQuadratic) {
        AddSpline(chain, points);
      }
      record = next;
    }
    const PlanePoint last = chain.back();
    if (std::fabs(last.x - start.x) >= kClosed || std::fabs(last.y - start.y) >= kClosed) AddLine(chain, start);
    contours.push_back(std::move(chain));
    at = end;
  }
  return contours;
}

}  // namespace dxfelem
