// TEXT and MTEXT as glyph outlines: hand-made outlines through the contour
// walk and the fitting (no font), the font choice and text codes, and whole
// texts in DejaVu Sans through the conversion. Shapes are compared, not
// digits: the font decides the digits. The glyph outlines in the native
// TrueType form come from the platform's font system (FreeType and
// fontconfig here, with the DejaVu fonts installed).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "dxfelem/dxfelem.h"
#include "geometry/drawing.h"
#include "platform/glyph_outlines.h"
#include "support/temp_dir.h"
#include "text/contour_profiles.h"
#include "text/font_choice.h"
#include "text/glyph_contours.h"

namespace dxfelem {
namespace {

// A native outline written by hand: contours of (type, points) records.
class OutlineBytes {
 public:
  void Contour(double x, double y) {
    header_ = bytes_.size();
    Dword(0);
    Dword(24);
    Fixed(x);
    Fixed(y);
  }
  void Record(uint16_t type, const std::vector<PlanePoint>& points) {
    Word(type);
    Word(static_cast<uint16_t>(points.size()));
    for (const PlanePoint& p : points) {
      Fixed(p.x);
      Fixed(p.y);
    }
    const uint32_t size = static_cast<uint32_t>(bytes_.size() - header_);
    std::memcpy(&bytes_[header_], &size, 4);
  }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  void Word(uint16_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
  }
  void Dword(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  void Fixed(double v) { Dword(static_cast<uint32_t>(static_cast<int32_t>(std::lround(v * 65536.0)))); }
  std::vector<uint8_t> bytes_;
  std::size_t header_ = 0;
};

// The contours of an outline as path elements, on face 1 without turning.
void Profiles(const std::vector<uint8_t>& outline, Drawing& drawing) {
  LinePlacement placement;
  InkExtent ink;
  for (const CubicChain& contour : CubicContours(outline)) AddContourProfile(drawing, contour, placement, "T", ink);
}

TEST(GlyphContours, ASquareOfLinesIsOneClosedProfileOfSegments) {
  OutlineBytes square;
  square.Contour(0, 0);
  square.Record(1, {{10, 0}, {10, 10}, {0, 10}});  // the closing line back to the start is implied
  Drawing drawing("");
  Profiles(square.bytes(), drawing);
  ASSERT_EQ(drawing.elements().size(), 1u);
  const NodeList& nodes = drawing.elements().front().nodes();
  // Four straight pieces: two spans for the first, three for each later one.
  ASSERT_EQ(nodes.size(), 12u);
  EXPECT_EQ(nodes[0].code, kNodeIni);
  EXPECT_EQ(nodes[nodes.size() - 1].code, kNodeFin);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_NE(nodes[i].code, kNodeMed) << "a span on a straight outline is a line";
    const bool onSide = std::fabs(nodes[i].x) < 1e-9 || std::fabs(nodes[i].x - 10) < 1e-9 ||
                        std::fabs(nodes[i].y) < 1e-9 || std::fabs(nodes[i].y - 10) < 1e-9;
    EXPECT_TRUE(onSide) << i;
  }
  EXPECT_NEAR(nodes[2].x, 10.0, 1e-12);  // the corners are span ends
  EXPECT_NEAR(nodes[2].y, 0.0, 1e-12);
  EXPECT_NEAR(nodes[nodes.size() - 1].x, 0.0, 1e-12);
  EXPECT_NEAR(nodes[nodes.size() - 1].y, 0.0, 1e-12);
}

TEST(GlyphContours, QuadraticCirclesBecomeArcsOfTheirRadius) {
  // A circle of radius 50 about (100, 100) from eight quadratic pieces, and
  // from four: the on-curve points are implied midpoints of the control
  // points of a polygon around it. A first piece is two spans (of 22.5 and
  // 45 degrees here), the later ones three; every span long enough is an arc.
  struct Case {
    int pieces;
    double within;  // how near the circle every node lies, of its radius
  };
  for (const Case c : {Case{8, 0.005}, Case{4, 0.07}}) {
    OutlineBytes circle;
    const double r = 50.0;
    const double half = M_PI / c.pieces;
    const double reach = r / std::cos(half);
    std::vector<PlanePoint> controls;
    for (int k = 0; k < c.pieces; ++k) {
      const double a = half + 2 * k * half;
      controls.push_back({100 + reach * std::cos(a), 100 + reach * std::sin(a)});
    }
    circle.Contour(100 + r, 100);
    std::vector<PlanePoint> record(controls);
    record.push_back({100 + r, 100});
    circle.Record(2, record);
    Drawing drawing("");
    Profiles(circle.bytes(), drawing);
    ASSERT_EQ(drawing.elements().size(), 1u);
    const NodeList& nodes = drawing.elements().front().nodes();
    int arcs = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
      const double distance = std::hypot(nodes[i].x - 100, nodes[i].y - 100);
      EXPECT_NEAR(distance, r, r * c.within) << c.pieces << " pieces, node " << i;  // middles included
      arcs += nodes[i].code == kNodeMed;
    }
    EXPECT_EQ(arcs, 2 + 3 * (c.pieces - 1)) << c.pieces;
    EXPECT_EQ(nodes[nodes.size() - 1].code, kNodeFin);
  }
}

TEST(GlyphContours, OpenContoursCloseAndOtherHeadersEndTheGlyph) {
  OutlineBytes open;
  open.Contour(0, 0);
  open.Record(1, {{10, 0}, {10, 10}});
  open.Record(3, {{5, 5}});  // a cubic record: passed over
  std::vector<uint8_t> bytes = open.bytes();
  const std::vector<CubicChain> contours = CubicContours(bytes);
  ASSERT_EQ(contours.size(), 1u);
  ASSERT_EQ(contours[0].size(), 1u + 3 * 3);  // two lines and the closing one
  EXPECT_EQ(contours[0].back().x, 0.0);
  EXPECT_EQ(contours[0].back().y, 0.0);
  // A header of another type, or one whose size runs past the buffer, ends it.
  bytes[4] = 23;
  EXPECT_TRUE(CubicContours(bytes).empty());
  bytes[4] = 24;
  bytes[0] = 0xFF;
  EXPECT_TRUE(CubicContours(bytes).empty());
  EXPECT_TRUE(CubicContours({1, 2, 3}).empty());
}

TEST(FontChoice, StylesCodesAndShapeFonts) {
  TextStyleTable styles;
  styles[0] = {"Notes", "  romans.shx ", 15.7, 0};
  styles[1] = {"BOLD", "Liberation Serif", 0.0, 0x02000022};
  std::string text = "A";
  FontRequest request = ChooseFont(styles, " notes ", "TEXT", text);
  EXPECT_EQ(request.faceName, "romans");
  EXPECT_EQ(request.escapement, -150);
  EXPECT_EQ(request.orientation, -150);
  request = ChooseFont(styles, "Bold", "TEXT", text);
  EXPECT_EQ(request.faceName, "Liberation Serif");
  EXPECT_EQ(request.weight, 700);
  EXPECT_FALSE(request.italic);
  request = ChooseFont(styles, "Missing", "TEXT", text);
  EXPECT_EQ(request.faceName, "Txt");

  text = "{\\fDejaVu Serif|b1|i0|c0|p34;ABC}";
  request = ChooseFont(styles, "", "MTEXT", text);
  EXPECT_EQ(request.faceName, "DejaVu Serif");
  EXPECT_EQ(request.weight, 700);
  EXPECT_FALSE(request.italic);
  EXPECT_EQ(text, "ABC");
  text = "\\fArial|i1";  // no ";": the code runs to the end
  request = ChooseFont(styles, "", "MTEXT", text);
  EXPECT_EQ(request.faceName, "Arial");
  EXPECT_TRUE(request.italic);
  text = "{\\fArial|b1;A}";  // TEXT keeps its codes as letters
  EXPECT_EQ(ChooseFont(styles, "", "TEXT", text).weight, 0);
  EXPECT_EQ(text, "{\\fArial|b1;A}");

  text = "x\\Ly";
  ApplyTextCodes(text, request);
  EXPECT_EQ(text, "y");
  EXPECT_TRUE(request.underline);
  for (const char* degree : {"\\U+00B0", "\\U00b0 rest", "\\U-1B0"}) {
    text = degree;
    ApplyTextCodes(text, request);
    EXPECT_EQ(text, "\xB0") << degree;
  }
  text = "\\U+";  // no digits: the text stays
  ApplyTextCodes(text, request);
  EXPECT_EQ(text, "\\U+");
  EXPECT_EQ(TextLines("a\\Pb\\P"), (std::vector<std::string>{"a", "b", ""}));
}

// Whole texts in DejaVu Sans through the conversion.
class TextConversion : public ::testing::Test {
 protected:
  struct Profile {
    std::vector<int32_t> codes;
    std::vector<Point3> points;
  };
  // The elements of the element file, with the layer checked.
  std::vector<Profile> Convert(const std::string& entities, const std::string& settings = "") {
    std::vector<Profile> profiles;
    // The style names DejaVu Sans (fonts-dejavu-core), which these tests rely on.
    const std::string dxf =
        "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nSTYLE\n0\nSTYLE\n2\nSans\n3\ndejavusans.ttf\n1001\nACAD\n"
        "1000\nDejaVu Sans\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
        entities + "0\nENDSEC\n0\nEOF\n";
    const std::string ini = dir_.Write("p.ini", "[P]\nConnect=0\nDecimaliTxt=7\n" + settings);
    ConversionResult record{};
    const std::string out = dir_.File("a.txt");
    if (DxfToTxt(ini.c_str(), "P", dir_.Write("a.dxf", dxf).c_str(), out.c_str(), "", &record) != 1) return profiles;
    const std::string text = test::ReadFileBytes(out);
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
      const std::string code = text.substr(at, 3);
      if (code == "INI") profiles.emplace_back();
      if (profiles.empty()) break;
      profiles.back().codes.push_back(code == "INI"   ? kNodeIni
                                      : code == "MED" ? kNodeMed
                                      : code == "FIN" ? kNodeFin
                                                      : kNodeVer);
      EXPECT_TRUE(code == "INI" || code == "VER" || code == "MED" || code == "FIN") << code;
      Point3 p;
      p.x = std::stod(text.substr(at + 11, 12));
      p.y = std::stod(text.substr(at + 24, 12));
      p.z = std::stod(text.substr(at + 37, 12));
      profiles.back().points.push_back(p);
    }
    return profiles;
  }
  static std::string Text(const std::string& value, const std::string& more = "", const char* kind = "TEXT") {
    return std::string("0\n") + kind + "\n8\nT\n7\nSans\n10\n100\n20\n50\n40\n10\n1\n" + value + "\n" + more;
  }
  static double Extent(const std::vector<Profile>& profiles, double Point3::*axis, bool largest) {
    double value = largest ? -1e300 : 1e300;
    for (const Profile& p : profiles) {
      for (const Point3& q : p.points) value = largest ? std::max(value, q.*axis) : std::min(value, q.*axis);
    }
    return value;
  }
  test::TempDir dir_;
};

TEST_F(TextConversion, LettersAreClosedProfilesOfTheirHeight) {
  std::vector<Profile> i = Convert(Text("I"));
  ASSERT_EQ(i.size(), 1u);
  EXPECT_NEAR(Extent(i, &Point3::y, true) - Extent(i, &Point3::y, false), 10.0, 1e-6);
  EXPECT_NEAR(Extent(i, &Point3::y, false), 50.0, 1e-6);  // on the baseline
  for (const Profile& profile : Convert(Text("OB"))) {
    EXPECT_EQ(profile.codes.front(), kNodeIni);
    EXPECT_EQ(profile.codes.back(), kNodeFin);
    EXPECT_NEAR(profile.points.front().x, profile.points.back().x, 1e-6);
    EXPECT_NEAR(profile.points.front().y, profile.points.back().y, 1e-6);
  }
  EXPECT_EQ(Convert(Text("O")).size(), 2u);
  EXPECT_EQ(Convert(Text("B")).size(), 3u);
  EXPECT_TRUE(Convert(Text("   ")).empty() && Convert(Text("")).empty() && Convert(Text("I"), "Testo=0\n").empty());
  // With SpazioFont 0 a space adds nothing; with 5 the L moves 5 to the right.
  const std::vector<Profile> joined = Convert(Text("IL"));
  const std::vector<Profile> spaced = Convert(Text("I L"));
  ASSERT_EQ(joined.size(), 2u);
  ASSERT_EQ(spaced.size(), 2u);
  EXPECT_EQ(joined[1].points.front().x, spaced[1].points.front().x);
  const std::vector<Profile> wide = Convert(Text("I L"), "SpazioFont=5\n");
  EXPECT_NEAR(wide[1].points.front().x - joined[1].points.front().x, 5.0, 1e-6);
  // The first glyph's ink starts about 2.0 right of the insertion point.
  EXPECT_NEAR(Extent(i, &Point3::x, false), 102.0, 0.5);
}

TEST_F(TextConversion, RotationMtextLinesCodesAndMirroredFaces) {
  const std::vector<Profile> flat = Convert(Text("L"));
  const std::vector<Profile> turned = Convert(Text("L", "50\n90\n"));
  ASSERT_EQ(flat.size(), 1u);
  ASSERT_EQ(turned.size(), 1u);
  ASSERT_EQ(flat[0].points.size(), turned[0].points.size());
  for (std::size_t k = 0; k < flat[0].points.size(); ++k) {
    // A quarter turn counter-clockwise about the insertion point (100, 50).
    EXPECT_NEAR(turned[0].points[k].x, 100 - (flat[0].points[k].y - 50), 1e-5);
    EXPECT_NEAR(turned[0].points[k].y, 50 + (flat[0].points[k].x - 100), 1e-5);
  }
  // MTEXT: the a one pitch (2 + height) below the insertion point, the b one below that.
  const std::vector<Profile> lines = Convert(Text("I\\PI", "", "MTEXT"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(Extent({lines[0]}, &Point3::y, false), 50.0 - 12.0, 1e-5);
  EXPECT_NEAR(Extent({lines[1]}, &Point3::y, false), 50.0 - 24.0, 1e-5);
  // TEXT draws every line from the same origin.
  const std::vector<Profile> overlapping = Convert(Text("I\\PI"));
  ASSERT_EQ(overlapping.size(), 2u);
  EXPECT_EQ(overlapping[0].points.front().y, overlapping[1].points.front().y);
  // \U+00B0: the degree sign alone, a ring of two contours above the baseline.
  const std::vector<Profile> degree = Convert(Text("x\\U+00B0"));
  EXPECT_EQ(degree.size(), 2u);
  EXPECT_GT(Extent(degree, &Point3::y, false), 54.0);
  // Extrusion (0, 0, -1): seen from below, the frame mirrors x.
  const std::vector<Profile> below = Convert(Text("L", "230\n-1\n"));
  ASSERT_EQ(below.size(), 1u);
  EXPECT_NEAR(Extent(below, &Point3::x, true), -Extent(flat, &Point3::x, false), 1e-6);
  // Worked in 3D, the same text lies on face 2, mirrored about the insertion point.
  const std::vector<Profile> face2 = Convert(Text("L", "230\n-1\n"), "Altezza3D=1\n");
  ASSERT_EQ(face2.size(), 1u);
  ASSERT_EQ(face2[0].points.size(), flat[0].points.size());
  for (std::size_t k = 0; k < flat[0].points.size(); ++k) {
    EXPECT_NEAR(face2[0].points[k].x, 200 - flat[0].points[k].x, 1e-6);
    EXPECT_NEAR(face2[0].points[k].y, flat[0].points[k].y, 1e-6);
  }
}

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
