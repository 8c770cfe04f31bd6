// Extrusion classes and frames, arc middle points, circles and ellipses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "conversion/conversion_job.h"
#include "geometry/arc_record.h"
#include "geometry/circle_builder.h"
#include "geometry/ellipse_builder.h"
#include "geometry/extrusion_frame.h"
#include "params/circle_form.h"

namespace dxfelem {
namespace {

void ExpectPoint(const Point3& actual, double x, double y, double z, double tolerance = 0.0) {
  if (tolerance == 0.0) {
    EXPECT_EQ(actual.x, x);
    EXPECT_EQ(actual.y, y);
    EXPECT_EQ(actual.z, z);
  } else {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
  }
}

Point3 Through(const Point3& n, const Point3& p) { return TransformPoint(ExtrusionFrame(n, ClassifyExtrusion(n)), p); }

TEST(ExtrusionFrame, ClassesAtTheTolerance) {
  EXPECT_EQ(ClassifyExtrusion({0, 0, 1}), kExtrusionZ);
  EXPECT_EQ(ClassifyExtrusion({0, 0, -1}), kExtrusionZ);
  EXPECT_EQ(ClassifyExtrusion({0, 1, 0}), kExtrusionY);
  EXPECT_EQ(ClassifyExtrusion({-1, 0, 0}), kExtrusionX);
  EXPECT_EQ(ClassifyExtrusion({0.6, 0, 0.8}), kExtrusionOblique);
  EXPECT_EQ(ClassifyExtrusion({0, 0, 2}), kExtrusionNotUnit);
  EXPECT_EQ(ClassifyExtrusion({0, 0, 0}), kExtrusionNotUnit);
  EXPECT_EQ(ClassifyExtrusion({NAN, 0, 1}), kExtrusionNotUnit);
  // The squared length decides first: 1 + 4e-6 is a unit vector along Z,
  // 1 + 6e-6 squares to more than the tolerance away from 1.
  EXPECT_EQ(ClassifyExtrusion({0, 0, 1 + 4e-6}), kExtrusionZ);
  EXPECT_EQ(ClassifyExtrusion({0, 0, 1 + 6e-6}), kExtrusionNotUnit);
  // X is tested before Y and Z.
  EXPECT_EQ(ClassifyExtrusion({0.999996, 0.002, 0}), kExtrusionX);
  EXPECT_EQ(ClassifyExtrusion({0.99998, 0.0063245, 0}), kExtrusionOblique);
}

TEST(ExtrusionFrame, FramesCarryPointsToTheDrawing) {
  const Point3 p{1, 2, 3};
  ExpectPoint(Through({0, 0, 1}, p), 1, 2, 3);
  ExpectPoint(Through({0, 0, -1}, p), -1, 2, -3);
  ExpectPoint(Through({0, 1, 0}, p), -1, 3, 2);
  ExpectPoint(Through({0, -1, 0}, p), 1, -3, 2);
  ExpectPoint(Through({1, 0, 0}, p), 3, 1, 2);
  ExpectPoint(Through({-1, 0, 0}, p), -3, -1, 2);
  // Oblique: X = (0.8, 0, -0.6), Y = N x X = (0, 1, 0).
  ExpectPoint(Through({0.6, 0, 0.8}, {1, 0, 0}), 0.8, 0, -0.6, 1e-15);
  ExpectPoint(Through({0.6, 0, 0.8}, {0, 1, 0}), 0, 1, 0, 1e-15);
  ExpectPoint(Through({0.6, 0, 0.8}, {0, 0, 1}), 0.6, 0, 0.8, 1e-15);
  // |x| = |y| > |z|: the tie goes to y, X = (0, -z c / y, c) with c = 0.75.
  ExpectPoint(Through({0.6, 0.6, std::sqrt(0.28)}, {1, 0, 0}), 0, -0.75 * std::sqrt(0.28) / 0.6, 0.75, 1e-15);
  // Every oblique frame is right-handed and orthonormal.
  for (const Point3& n :
       {Point3{0, 0.6, -0.8}, Point3{-0.48, 0.6, 0.64}, Point3{0.8, -0.6, 0}, Point3{0.36, 0.48, 0.8}}) {
    const Frame frame = ExtrusionFrame(n, ClassifyExtrusion(n));
    const Point3 x = TransformPoint(frame, {1, 0, 0});
    const Point3 y = TransformPoint(frame, {0, 1, 0});
    const Point3 z = TransformPoint(frame, {0, 0, 1});
    EXPECT_NEAR(x.x * n.x + x.y * n.y + x.z * n.z, 0.0, 1e-15);
    EXPECT_NEAR(x.x * y.x + x.y * y.y + x.z * y.z, 0.0, 1e-15);
    ExpectPoint(z, n.x, n.y, n.z, 1e-15);
    EXPECT_TRUE(x.x == 0.0 || x.y == 0.0 || x.z == 0.0);
  }
  Frame degenerate;
  degenerate.xEnd = {0, 0, 0};
  ExpectPoint(TransformPoint(degenerate, p), 0, 0, 0);
  degenerate.xEnd = {1, 0, 0};
  degenerate.yEnd = {2, 0, 0};  // parallel axes: no third axis
  ExpectPoint(TransformPoint(degenerate, p), 0, 0, 0);
}

TEST(ArcGeometry, DirectionsAndMiddlePoints) {
  int32_t direction = -1;
  ASSERT_TRUE(ArcDirection({1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, direction));
  EXPECT_EQ(direction, 1);
  ASSERT_TRUE(ArcDirection({1, 0, 0}, {0, -1, 0}, {-1, 0, 0}, direction));
  EXPECT_EQ(direction, 0);
  EXPECT_FALSE(ArcDirection({1, 0, 0}, {0, 0, 0}, {-1, 0, 0}, direction));
  EXPECT_FALSE(ArcDirection({1, 0, 0}, {1, 0, 5}, {-1, 0, 0}, direction));  // z is ignored

  Point3 middle;
  // Full circle: the opposite point.
  ASSERT_TRUE(ArcMiddlePoint(MakeArcRecord({10, 0, 2}, {10, 0, 4}, 20, 0, 1), middle));
  ExpectPoint(middle, 30, 0, 3);
  // Half circle: a quarter turn of 1.5707963268 on from the start.
  ASSERT_TRUE(ArcMiddlePoint(MakeArcRecord({1, 0, 0}, {-1, 0, 0}, 0, 0, 1), middle));
  ExpectPoint(middle, std::cos(1.5707963268), std::sin(1.5707963268), 0);
  ASSERT_TRUE(ArcMiddlePoint(MakeArcRecord({1, 0, 0}, {-1, 0, 0}, 0, 0, 0), middle));
  EXPECT_NEAR(middle.y, -1.0, 1e-15);
  // Quarter arcs: the candidate on the chord's side or the other one.
  const double h = std::sqrt(0.5);
  ASSERT_TRUE(ArcMiddlePoint(MakeArcRecord({10, 0, 0}, {0, 10, 0}, 0, 0, 1), middle));
  ExpectPoint(middle, 10 * h, 10 * h, 0, 1e-12);
  ASSERT_TRUE(ArcMiddlePoint(MakeArcRecord({10, 0, 0}, {0, 10, 0}, 0, 0, 0), middle));
  ExpectPoint(middle, -10 * h, -10 * h, 0, 1e-12);
  // No radius: the chord midpoint, and a failure.
  EXPECT_FALSE(ArcMiddlePoint(MakeArcRecord({0, 0, 0}, {4, 0, 0}, 0, 0, 1), middle));
  ExpectPoint(middle, 2, 0, 0);
}

class CircleForms : public ::testing::Test {
 protected:
  // The nodes of the element a circle of this radius on this layer makes.
  std::string Make(double radius, const std::string& layer) {
    job_.drawing->Clear();
    ElementSink sink = job_.Sink();
    AddCircle(sink, CircleFormFor(job_.parameters, job_.selection, layer, radius), 1, Frame{}, {5, 5, 1}, radius, 1,
              layer);
    std::string text;
    if (job_.drawing->current() == nullptr) return "nothing";
    for (const ElementNode& node : job_.drawing->current()->nodes()) {
      text +=
          std::string(NodeMnemonic(node.code)) + "(" + std::to_string(node.x) + "," + std::to_string(node.value) + ")";
    }
    return text;
  }
  ConversionJob job_{"a.dxf", "a.txt"};
};

TEST_F(CircleForms, HolesOrFullArcs) {
  job_.parameters.RadiusMin = 2.5f;
  // A radius up to RadiusMin is a hole; above it, a full arc from the
  // leftmost point through the rightmost one.
  EXPECT_EQ(Make(2.5, "L"), "ISO(5.000000,2.500000)");
  EXPECT_EQ(Make(2.5001, "L"), "INI(2.499900,0.000000)MED(7.500100,0.000000)FIN(2.499900,0.000000)");
  // RadiusMin is single precision: 0.1f lies a little above 0.1, 2.3f a
  // little below 2.3.
  job_.parameters.RadiusMin = 0.1f;
  EXPECT_EQ(Make(0.1, "L"), "ISO(5.000000,0.100000)");
  EXPECT_EQ(Make(0.1000001, "L"), "INI(4.900000,0.000000)MED(5.100000,0.000000)FIN(4.900000,0.000000)");
  job_.parameters.RadiusMin = 2.3f;
  EXPECT_EQ(Make(2.3, "L"), "INI(2.700000,0.000000)MED(7.300000,0.000000)FIN(2.700000,0.000000)");

  job_.selection.LavLayer[0] = {"DRILL", "12", ""};
  job_.selection.LavLayer[1] = {"MILL", "90", ""};
  job_.selection.McrLayer[0] = {"MILL", "1050", ""};
  job_.selection.McrLayer[1] = {"MACRO", "7", ""};
  EXPECT_EQ(Make(50, "DRILL2"), "ISO(5.000000,50.000000)");  // any other machining code: a hole
  EXPECT_EQ(Make(0.1, "XMILLX"), "INI(4.900000,0.000000)MED(5.100000,0.000000)FIN(4.900000,0.000000)");
  EXPECT_EQ(Make(50, "MACRO"), "ISO(5.000000,50.000000)");
  // Face names and empty names skip the tables.
  job_.parameters.SideInp[2] = "DRILL";
  EXPECT_EQ(Make(50, "DRILL"), "INI(-45.000000,0.000000)MED(55.000000,0.000000)FIN(-45.000000,0.000000)");
  // A table ends at its first entry without a name or code.
  job_.selection.LavLayer[0] = {"", "12", ""};
  EXPECT_EQ(Make(0.1, "XMILLX"), "ISO(5.000000,0.100000)");  // the McrLayer entry MILL decides now
  job_.selection.YesLogic = 1;
  EXPECT_EQ(Make(50, "L"), "nothing");
}

std::vector<std::vector<Point3>> Arcs(const Drawing& drawing) {
  std::vector<std::vector<Point3>> arcs;
  for (const Element& element : drawing.elements()) {
    std::vector<Point3> points;
    for (const ElementNode& node : element.nodes()) points.push_back(node.point());
    arcs.push_back(points);
  }
  return arcs;
}

// (Face 2, mirrored, is worked through the conversion: tests/data/transcripts/conversions.t.)
TEST(Ellipses, FullAndPartial) {
  ConversionJob job("a.dxf", "a.txt");
  ElementSink sink = job.Sink();
  job.parameters.ArchiEllisse = 1;  // 8 points asked: 9 made, four arcs
  const double r3 = std::sqrt(3.0);
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 7}, {2, 0, 0}, 0.5, 0.0, 6.283185307179586, Frame{}, 3,
             "E");
  auto arcs = Arcs(*job.drawing);
  ASSERT_EQ(arcs.size(), 4u);
  const double expected[4][3][2] = {{{0, 1}, {r3, 0.5}, {2, 0}},
                                    {{2, 0}, {r3, -0.5}, {0, -1}},
                                    {{0, -1}, {-r3, -0.5}, {-2, 0}},
                                    {{-2, 0}, {-r3, 0.5}, {0, 1}}};
  for (int a = 0; a < 4; ++a) {
    ASSERT_EQ(arcs[a].size(), 3u);
    for (int i = 0; i < 3; ++i) ExpectPoint(arcs[a][i], expected[a][i][0], expected[a][i][1], 7, 1e-15);
  }
  EXPECT_EQ(job.drawing->elements().front().nodes()[0].entity, 3);

  // A quarter, counter-clockwise from (2, 0) to the top: exactly the first group.
  job.drawing->Clear();
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {2, 0, 0}, 0.5, 0.0, M_PI / 2, Frame{}, 4, "E");
  arcs = Arcs(*job.drawing);
  ASSERT_EQ(arcs.size(), 1u);
  ExpectPoint(arcs[0][0], 0, 1, 0, 1e-15);
  ExpectPoint(arcs[0][2], 2, 0, 0, 1e-15);
  // An eighth, worked by hand. The first group is (0, 1), (sqrt 3, 0.5),
  // (2, 0), turning clockwise; it is cut at the end point E = (sqrt 2,
  // sqrt 2 / 2), which takes the place of its first point. The circle
  // through the group's three points has its centre at
  // (3 (sqrt 3 + 1) / 16, 3 sqrt 3 / 8 - 9 / 8) = (0.51226, -0.47548).
  // The middle point of the arc from E to (2, 0) about that centre: E lies
  // 1.48729 from it, (2, 0) 1.56188; at their mean radius 1.52458 on the
  // ray through the chord midpoint (1.70711, 0.35355) lies (1.76486,
  // 0.39363), on the clockwise side. It is on the fitted circle, not on the
  // ellipse (whose point halfway in parameter is (1.84776, 0.38268)).
  job.drawing->Clear();
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {2, 0, 0}, 0.5, 0.0, M_PI / 4, Frame{}, 4, "E");
  arcs = Arcs(*job.drawing);
  ASSERT_EQ(arcs.size(), 1u);
  ExpectPoint(arcs[0][0], std::sqrt(2.0), std::sqrt(0.5), 0, 1e-12);
  ExpectPoint(arcs[0][1], 1.7648601670364048, 0.39362507322894547, 0, 1e-12);
  ExpectPoint(arcs[0][2], 2, 0, 0, 1e-12);

  // Over the top, rotated by 90 degrees: consecutive arcs share their ends
  // and the chain runs from the end point back to the start point.
  job.parameters.ArchiEllisse = 8;
  job.drawing->Clear();
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {10, 20, 0}, {0, 3, 0}, 0.4, 1.0, 5.5, Frame{}, 5, "E");
  arcs = Arcs(*job.drawing);
  ASSERT_GT(arcs.size(), 10u);
  // Parameter t on this ellipse: centre + (-1.2 sin t, 3 cos t) after the quarter turn.
  auto at = [](double t) { return Point3{10 - 1.2 * std::sin(t), 20 + 3 * std::cos(t), 0}; };
  ExpectPoint(arcs.front()[0], at(5.5).x, at(5.5).y, 0, 1e-9);
  ExpectPoint(arcs.back()[2], at(1.0).x, at(1.0).y, 0, 1e-9);
  for (std::size_t i = 1; i < arcs.size(); ++i) ExpectPoint(arcs[i][0], arcs[i - 1][2].x, arcs[i - 1][2].y, 0);

  // Degenerate ellipses make nothing.
  job.drawing->Clear();
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {0, 0, 0}, 0.5, 0.0, 1.0, Frame{}, 7, "E");
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {2, 0, 0}, 0.0, 0.0, 1.0, Frame{}, 7, "E");
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {INFINITY, 0, 0}, 0.5, 0.0, 1.0, Frame{}, 7, "E");
  AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {0, 0, 0}, {2, 0, 0}, 0.5, NAN, 1.0, Frame{}, 7, "E");
  EXPECT_TRUE(job.drawing->elements().empty());
}

// Whatever the range, the arcs of a partial ellipse cover it from the end
// point back to the start point (the samples run clockwise), consecutive
// arcs share their end points, and each middle point turns the way the
// ellipse turns there.
TEST(Ellipses, PartialArcsCoverAnyRange) {
  ConversionJob job("a.dxf", "a.txt");
  ElementSink sink = job.Sink();
  job.parameters.ArchiEllisse = 2;
  const double ranges[][2] = {{0.3, 2.0},       {1.5, 1.7},      {1.0, 5.5}, {5.5, 1.0},  {6.0, 0.2},
                              {M_PI / 2, M_PI}, {0.0, M_PI / 2}, {4.0, 3.9}, {-1.0, 1.0}, {2.0, 8.0}};
  for (const auto& range : ranges) {
    for (double rotation : {0.0, 0.7}) {
      job.drawing->Clear();
      const Point3 axis{3 * std::cos(rotation), 3 * std::sin(rotation), 0};
      AddEllipse(sink, job.parameters.ArchiEllisse * 8, 1, {1, 2, 0}, axis, 0.4, range[0], range[1], Frame{}, 1, "E");
      auto at = [&](double t) {
        const double x = 3 * std::cos(t);
        const double y = 1.2 * std::sin(t);
        return Point3{1 + std::cos(rotation) * x - std::sin(rotation) * y,
                      2 + std::sin(rotation) * x + std::cos(rotation) * y, 0};
      };
      const auto arcs = Arcs(*job.drawing);
      const std::string what = std::to_string(range[0]) + " to " + std::to_string(range[1]);
      ASSERT_FALSE(arcs.empty()) << what;
      ExpectPoint(arcs.front()[0], at(range[1]).x, at(range[1]).y, 0, 1e-9);
      ExpectPoint(arcs.back()[2], at(range[0]).x, at(range[0]).y, 0, 1e-9);
      for (std::size_t i = 0; i < arcs.size(); ++i) {
        ASSERT_EQ(arcs[i].size(), 3u) << what;
        if (i > 0) ExpectPoint(arcs[i][0], arcs[i - 1][2].x, arcs[i - 1][2].y, 0);
        int32_t turn = -1;
        ASSERT_TRUE(ArcDirection(arcs[i][0], arcs[i][1], arcs[i][2], turn)) << what << " arc " << i;
        EXPECT_EQ(turn, 0) << what << " arc " << i;
      }
    }
  }
}

}  // namespace
}  // namespace dxfelem
