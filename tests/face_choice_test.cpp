// The machining face chosen for an entity, and written into its layer.
#include "dxf/face_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace dxfelem {
namespace {

class FaceChoice : public ::testing::Test {
 protected:
  FaceChoice() {
    const char* names[] = {"TOP", "BOTTOM", "FRONT", "RIGHT", "BACK", "LEFT"};
    for (int i = 0; i < 6; ++i) {
      p_.SideInp[i] = names[i];
      p_.ScambiaFacce[i] = i + 1;
    }
  }
  std::pair<int, std::string> Assign(std::string layer, const Point3& n = {0, 0, 1}) {
    int face = AssignFace(p_, layer, n);
    return {face, layer};
  }
  ParameterRecord p_;
};

TEST_F(FaceChoice, LayersThatNameAFace) {
  EXPECT_EQ(Assign("CUT_BOTTOM_2"), std::make_pair(2, std::string("CUT_BOTTOM_2")));
  p_.ScambiaFacce[1] = 3;  // face 2 is worked as face 3
  EXPECT_EQ(Assign("BOTTOM_A_BOTTOM"), std::make_pair(2, std::string("FRONT_A_FRONT")));
  p_.ScambiaFacce[1] = 9;  // outside 1..6: the name stays
  EXPECT_EQ(Assign("BOTTOM"), std::make_pair(2, std::string("BOTTOM")));
  // Face names are tried in order: "TOP" is found in "STOPBACK" first.
  EXPECT_EQ(Assign("STOPBACK"), std::make_pair(1, std::string("STOPBACK")));
  // A face whose swap names itself again ends: every occurrence once.
  p_.SideInp[3] = "R";
  p_.ScambiaFacce[3] = 4;
  EXPECT_EQ(Assign("RR"), std::make_pair(4, std::string("RR")));
}

TEST_F(FaceChoice, AppendedByExtrusionOrFaceOne) {
  // Altezza3D 0: face 1's name, even for an entity extruded along X.
  EXPECT_EQ(Assign("CUT", {1, 0, 0}), std::make_pair(1, std::string("CUTTOP")));
  p_.ScambiaFacce[0] = 4;
  EXPECT_EQ(Assign("CUT"), std::make_pair(4, std::string("CUTTOP")));
  p_.ScambiaFacce[0] = 1;

  p_.Altezza3D = 1;
  EXPECT_EQ(Assign("C", {0, 0, 1}), std::make_pair(1, std::string("CTOP")));
  EXPECT_EQ(Assign("C", {0, 0, -1}), std::make_pair(2, std::string("CBOTTOM")));
  EXPECT_EQ(Assign("C", {0, 1, 0}), std::make_pair(5, std::string("CBACK")));
  EXPECT_EQ(Assign("C", {-1, 0, 0}), std::make_pair(6, std::string("CLEFT")));
  EXPECT_EQ(Assign("C", {0, -1, 0}), std::make_pair(3, std::string("CFRONT")));
  EXPECT_EQ(Assign("C", {1, 0, 0}), std::make_pair(4, std::string("CRIGHT")));
  EXPECT_EQ(Assign("C", {0.6, 0, 0.8}), std::make_pair(0, std::string("C")));
  // Within the single-precision 0.00001 of the axis.
  EXPECT_EQ(Assign("C", {0, 0, 1 - 9.9e-6}).first, 1);
  EXPECT_EQ(Assign("C", {0, 0, 1 - 1.01e-5}).first, 0);
  p_.ScambiaFacce[4] = 2;  // the back is worked as the bottom
  EXPECT_EQ(Assign("C", {0, 1, 0}), std::make_pair(2, std::string("CBOTTOM")));
  p_.ScambiaFacce[4] = 0;
  EXPECT_EQ(Assign("C", {0, 1, 0}), std::make_pair(0, std::string("C")));

  p_.Altezza3D = 2;
  EXPECT_EQ(Assign("C", {0, 0, 1}), std::make_pair(0, std::string("C")));
}

TEST_F(FaceChoice, EmptyFaceNamesNameNoFace) {
  p_.SideInp[0] = "";
  EXPECT_EQ(Assign("BACKSIDE"), std::make_pair(5, std::string("BACKSIDE")));
  EXPECT_EQ(Assign("CUT"), std::make_pair(1, std::string("CUT")));  // face 1's empty name appended
  EXPECT_EQ(Assign(""), std::make_pair(1, std::string("")));
}

TEST(ExtrusionKeepTest, NotUnitNeverObliqueOnlyIn3D) {
  EXPECT_TRUE(KeepByExtrusion(kExtrusionZ, 0));
  EXPECT_TRUE(KeepByExtrusion(kExtrusionX, 0));
  EXPECT_FALSE(KeepByExtrusion(kExtrusionOblique, 0));
  EXPECT_TRUE(KeepByExtrusion(kExtrusionOblique, 1));
  EXPECT_TRUE(KeepByExtrusion(kExtrusionOblique, 7));
  EXPECT_FALSE(KeepByExtrusion(kExtrusionNotUnit, 1));
}

}  // namespace
}  // namespace dxfelem
