// The geometry kernel: pseudo-angles, unit conversions, matrices, the
// ellipse point generator, and its messages with their message file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "kernel/kernel_codes.h"
#include "kernel/kernel_messages.h"
#include "kernel/tg_angle.h"
#include "kernel/tg_ellipse.h"
#include "kernel/tg_point.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(KernelAngles, PseudoAngleInEveryQuadrantAndOnTheAxes) {
  const double h1 = std::sqrt(2.0) - 1.0;  // tan(22.5 degrees)
  // Components below 1e-7 count as zero on the axes.
  const struct {
    double x0, y0, x1, y1, pseudo;
  } kCases[] = {{0, 0, 1, 1, h1},    {0, 0, -1, 1, 1 + h1}, {0, 0, -1, -1, 2 + h1}, {0, 0, 1, -1, 3 + h1},
                {0, 0, 1, 0, 0},     {0, 0, 0, 1, 1},       {0, 0, -1, 0, 2},       {0, 0, 0, -5, 3},
                {3, 4, 3, 4, 0},     {0, 0, 5e-8, 1, 1},    {0, 0, -1, 5e-8, 2},    {0, 0, -5e-8, -1, 3},
                {0, 0, 1, -5e-8, 0}, {0, 0, 5e-8, -5e-8, 0}};
  for (const auto& c : kCases) {
    EXPECT_DOUBLE_EQ(tg_direction(TG_DIRECTION_PSEUDO, c.x0, c.y0, c.x1, c.y1), c.pseudo) << c.x1 << " " << c.y1;
  }
  EXPECT_NEAR(tg_direction(TG_DIRECTION_DEGREES, 0, 0, 1, 1), 45.0, 1e-12);
  EXPECT_EQ(tg_direction(TG_DIRECTION_DEGREES, 0, 0, 0, -5), 270.0);
  EXPECT_NEAR(tg_direction(TG_DIRECTION_DEGREES, 0, 0, 1, -1), 315.0, 1e-12);
  EXPECT_EQ(tg_direction(TG_DIRECTION_RADIANS, 0, 0, -1, 0), 2 * kTgHalfPi);
  EXPECT_NEAR(tg_direction(TG_DIRECTION_RADIANS, 0, 0, -1, -1), 2 * kTgHalfPi + M_PI / 4, 1e-12);
}

TEST(KernelAngles, WholeQuadrantsAndReduction) {
  // Within 1e-7 (k + 1) of a whole quadrant k: exactly 90 k.
  EXPECT_EQ(tg_pseudo_to_degrees(1.0 + 2e-7), 90.0);
  EXPECT_NE(tg_pseudo_to_degrees(1.0 + 2.1e-7), 90.0);
  EXPECT_EQ(tg_pseudo_to_degrees(3.0 - 4e-7), 270.0);
  EXPECT_NE(tg_pseudo_to_degrees(3.0 - 4.1e-7), 270.0);
  EXPECT_EQ(tg_pseudo_to_degrees(6.0), 180.0);  // reduced by 4
  EXPECT_EQ(tg_pseudo_to_radians(5.0), kTgHalfPi);
  EXPECT_EQ(tg_pseudo_to_degrees(0.0), 0.0);
}

TEST(KernelAngles, UnitConversions) {
  EXPECT_EQ(tg_convert_angle(TG_DEGREES, TG_RADIANS, -90.0), 270.0 * kTgRadiansPerDegree);
  EXPECT_EQ(tg_convert_angle(TG_DEGREES, TG_RADIANS, 720.0), 0.0);
  EXPECT_EQ(tg_convert_angle(TG_RADIANS, TG_DEGREES, -kTgHalfPi), (kTgTwoPi - kTgHalfPi) * kTgDegreesPerRadian);
  EXPECT_EQ(tg_convert_angle(TG_DEGREES, TG_SLOPE, 90.0), 3.4028232635611926e38);
  EXPECT_EQ(tg_convert_angle(TG_DEGREES, TG_SLOPE, 270.0), -3.3999999521443642e38);
  EXPECT_NEAR(tg_convert_angle(TG_DEGREES, TG_SLOPE, 45.0), 1.0, 1e-10);
  EXPECT_NEAR(tg_convert_angle(TG_SLOPE, TG_DEGREES, -1.0), 315.0, 1e-8);
  EXPECT_NEAR(tg_convert_angle(TG_DEGREES, TG_PSEUDO, 45.0), std::sqrt(2.0) - 1.0, 1e-10);
  EXPECT_NEAR(tg_convert_angle(TG_DEGREES, TG_PSEUDO, 225.0), 2.0 + std::sqrt(2.0) - 1.0, 1e-10);
  EXPECT_EQ(tg_convert_angle(TG_PSEUDO, TG_DEGREES, 3.0), 270.0);
  EXPECT_EQ(tg_convert_angle(TG_RADIANS, TG_RADIANS, 99.0), 99.0);
}

TEST(KernelMatrix, IdentityCopyAndApply) {
  tg_matrix m;
  tg_identity_matrix(m);
  double x, y, z;
  tg_apply_matrix(m, 1, 2, 3, x, y, z);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(z, 3);
  // A quarter turn about z, then a move by (10, 20, 30): columns in 0-2,
  // 4-6, 8-10, the translation in 12-14.
  m[0] = 0;
  m[1] = 1;
  m[4] = -1;
  m[5] = 0;
  m[12] = 10;
  m[13] = 20;
  m[14] = 30;
  m[8] = 0.5;  // and a shear: z moves x
  tg_matrix copy;
  tg_copy_matrix(m, copy);
  tg_apply_matrix(copy, 1, 2, 3, x, y, z);
  EXPECT_EQ(x, 9.5);
  EXPECT_EQ(y, 21);
  EXPECT_EQ(z, 33);
}

TEST(KernelEllipse, PointsWorkedOutByHand) {
  std::vector<tg_poly_3D> points;
  // a = 2, b = 1 around (0, 0); 6 asked becomes 8: q = 2, steps of 0.5 in y.
  int requested = 6;
  int produced = -1;
  ASSERT_EQ(tg_ellipsepnts({-2, -1, 7, 2, 1, 99}, requested, produced, points), TG_OK);
  EXPECT_EQ(requested, 8);
  EXPECT_EQ(produced, 9);
  const double r3 = std::sqrt(3.0);  // 2 sqrt(1 - 0.5^2)
  const tg_poly_3D expected[] = {{1, 0, 1, 7},      {1, r3, 0.5, 7}, {1, 2, 0, 7},     {1, r3, -0.5, 7}, {1, 0, -1, 7},
                                 {1, -r3, -0.5, 7}, {1, -2, 0, 7},   {1, -r3, 0.5, 7}, {1, 0, 1, 7}};
  ASSERT_EQ(points.size(), 9u);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].x, expected[i].x) << i;
    EXPECT_EQ(points[i].y, expected[i].y) << i;
    EXPECT_EQ(points[i].z, expected[i].z) << i;
    EXPECT_EQ(points[i].type, 1) << i;
  }

  // A circle (ratio 1) from corners given the other way round, offset centre.
  requested = 0;
  ASSERT_EQ(tg_ellipsepnts({12, 23, 0, 8, 19, 0}, requested, produced, points), TG_OK);
  EXPECT_EQ(requested, 4);
  EXPECT_EQ(produced, 5);
  // The corners are used as given: the centre is (12 + 2, 23 + 2).
  EXPECT_EQ(points[0].x, 14);
  EXPECT_EQ(points[0].y, 27);
  EXPECT_EQ(points[1].x, 16);
  EXPECT_EQ(points[1].y, 25);
  EXPECT_EQ(points[3].x, 12);

  requested = 9;
  ASSERT_EQ(tg_ellipsepnts({0, 0, 0, 4, 4, 0}, requested, produced, points), TG_OK);
  EXPECT_EQ(requested, 12);
  EXPECT_EQ(produced, 13);
  EXPECT_EQ(points.size(), 13u);
}

TEST(KernelEllipse, FlatRectangles) {
  std::vector<tg_poly_3D> points;
  int requested = 8;
  int produced = 5;
  EXPECT_EQ(tg_ellipsepnts({0, 0, 0, 4, 0, 0}, requested, produced, points), TG_BAD_RECTANGLE);
  EXPECT_EQ(produced, 0);
  EXPECT_EQ(tg_ellipsepnts({0, 0, 0, 2e-7, 4, 0}, requested, produced, points), TG_BAD_RECTANGLE);
  EXPECT_EQ(tg_ellipsepnts({0, 0, 0, 2.1e-7, 4, 0}, requested, produced, points), TG_OK);
}

class KernelMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.File("MSG"));
    setenv("ZIZAVE", dir_.path().c_str(), 1);
  }
  void TearDown() override { unsetenv("ZIZAVE"); }

  std::string Report(const char* keyword) {
    testing::internal::CaptureStderr();
    tg_report_error(keyword, 75, "tg_ellipsepnts");
    return testing::internal::GetCapturedStderr();
  }

  test::TempDir dir_;
};

TEST_F(KernelMessages, TheKeywordsLineFromTheMessageFile) {
  dir_.Write("MSG/VIRID.DAT",
             "BADRECTX never this one\r\n"
             "NOBLANKS\r\n"
             "BADRECT \t Rectangle too small\r\n"
             "BADRECT second match is never shown\r\n");
  EXPECT_EQ(Report("BADRECT"), "VU-RIR Message: BADRECT Rectangle too small\nLocation: tg_ellipsepnts Error Nr: 75\n");
  EXPECT_EQ(Report("NOBLANKS"), "");  // a line without a blank has no first word
  EXPECT_EQ(Report("badrect"), "");   // keywords are case-sensitive
  EXPECT_EQ(Report("MISSING"), "");
}

TEST_F(KernelMessages, MissingEmptyOrBinaryFilesShowNothing) {
  EXPECT_EQ(Report("BADRECT"), "");
  dir_.Write("MSG/VIRID.DAT", "");
  EXPECT_EQ(Report("BADRECT"), "");
  dir_.Write("MSG/VIRID.DAT", std::string("\0\xff\x01 BADRECT\0\n\x1a", 14) + std::string(1000, 'B'));
  EXPECT_EQ(Report("BADRECT"), "");
  unsetenv("ZIZAVE");  // then the file is looked for in the current folder
  EXPECT_EQ(Report("BADRECT"), "");
}

TEST_F(KernelMessages, MemoryErrorsNameTheirPlace) {
  testing::internal::CaptureStderr();
  tg_memory_error("ll_create_list");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "VU-RIR Message: Memory Error: ll_create_list\n");
}

}  // namespace
}  // namespace dxfelem
