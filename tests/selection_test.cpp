// Which layers and blocks become elements, and the machining face chosen
// for an entity and written into its layer.
#include <gtest/gtest.h>

#include <string>

#include "conversion/conversion_job.h"
#include "dxf/face_choice.h"
#include "geometry/element_builders.h"
#include "params/parameter_file.h"
#include "params/selection_lists.h"
#include "platform/profile_file.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

SelectionLists Lists(int yesLogic, std::initializer_list<const char*> layers,
                     std::initializer_list<const char*> blocks = {}) {
  SelectionLists selection;
  selection.YesLogic = yesLogic;
  std::size_t i = 0;
  for (const char* layer : layers) selection.layers[i++] = layer;
  i = 0;
  for (const char* block : blocks) selection.blocks[i++] = block;
  return selection;
}

TEST(Selection, LayersMatchAsPrefixesOfTheCutName) {
  const SelectionLists take = Lists(1, {"CUT"});
  for (const char* layer : {"CUT", "CUT2", "CUTZP10", "CUTDN3", "CUTTER"}) {
    EXPECT_TRUE(IsLayerSelected(take, layer)) << layer;
  }
  for (const char* layer : {"XCUT", "cut", "CU", "", "ZPCUT",
                            "CU"
                            "ZPT"}) {
    EXPECT_FALSE(IsLayerSelected(take, layer)) << layer;
  }
  const SelectionLists leave = Lists(0, {"CUT"});
  EXPECT_FALSE(IsLayerSelected(leave, "CUT2"));
  EXPECT_TRUE(IsLayerSelected(leave, "HOLE"));
  EXPECT_TRUE(IsLayerSelected(leave, ""));
  EXPECT_TRUE(IsLayerSelected(leave, "ZP"));  // cut to nothing: no entry matches
  // "ZP" first, then "DN": AZP5 is tested as A, ADNZP as A too, AZPDN as A.
  const SelectionLists a = Lists(1, {"A"});
  EXPECT_TRUE(IsLayerSelected(a, "AZP5"));
  EXPECT_TRUE(IsLayerSelected(Lists(1, {"AB"}), "ABDNZP"));
  EXPECT_FALSE(IsLayerSelected(Lists(1, {"ADN"}), "ADNX"));
  // Any YesLogic other than 1 leaves out what the list names.
  EXPECT_FALSE(IsLayerSelected(Lists(2, {"CUT"}), "CUT"));
  // With YesLogic 1 and an empty list nothing is taken; the first empty
  // entry ends the list.
  EXPECT_FALSE(IsLayerSelected(Lists(1, {}), "CUT"));
  SelectionLists gap = Lists(1, {"A", "", "CUT"});
  EXPECT_FALSE(IsLayerSelected(gap, "CUT"));
  SelectionLists full = Lists(1, {});
  full.layers[99] = "LAST";
  EXPECT_FALSE(IsLayerSelected(full, "LAST"));
  for (std::size_t i = 0; i < full.layers.size(); ++i) full.layers[i] = "L" + std::to_string(i);
  EXPECT_TRUE(IsLayerSelected(full, "L99"));
}

TEST(Selection, BlocksMatchWholeNames) {
  const SelectionLists take = Lists(1, {}, {"B1"});
  EXPECT_TRUE(IsBlockSelected(take, "B1"));
  EXPECT_FALSE(IsBlockSelected(take, "B10"));
  EXPECT_FALSE(IsBlockSelected(take, "b1"));
  EXPECT_FALSE(IsBlockSelected(take, ""));
  const SelectionLists leave = Lists(0, {}, {"B1"});
  EXPECT_FALSE(IsBlockSelected(leave, "B1"));
  EXPECT_TRUE(IsBlockSelected(leave, "B10"));
  EXPECT_TRUE(IsBlockSelected(leave, ""));
  EXPECT_TRUE(IsBlockSelected(Lists(0, {}, {}), "ANY"));
}

TEST(Selection, ListsAndTablesStopAtTheirSize) {
  test::TempDir dir;
  std::string ini = "[P]\nYesLogic=1\n";
  for (int n = 1; n <= 101; ++n) ini += "YesLayer" + std::to_string(n) + "=L" + std::to_string(n) + "\n";
  for (int n = 1; n <= 41; ++n) ini += "LavLayer" + std::to_string(n) + "=T" + std::to_string(n) + ",7;\n";
  ini += "YesBlock1=" + std::string(400, 'B') + "\n";
  ini += "McrLayer1=M,abc;\nMcrLayer2=N,1051;\n";
  ConversionJob job("a.dxf", "a.txt");
  ProfileFile file(dir.Write("p.ini", ini));
  ReadParameters(job.parameters, job.selection, file, "P");
  EXPECT_EQ(job.selection.layers[99], "L100");
  EXPECT_EQ(job.selection.LavLayer[39].layer, "T40");
  EXPECT_EQ(job.selection.blocks[0], std::string(259, 'B'));  // cut at the buffer
  EXPECT_TRUE(IsLayerSelected(job.selection, "L100"));
  EXPECT_TRUE(IsLayerSelected(job.selection, "L101"));  // not listed, but "L1" is a prefix of it
  EXPECT_FALSE(IsLayerSelected(job.selection, "X"));
  // A code that is not a number is no layer code; 1050 to 1052 are.
  EXPECT_FALSE(IsCodedLayer(job.selection, job.parameters, "L1M"));
  EXPECT_TRUE(IsCodedLayer(job.selection, job.parameters, "L1N"));
  EXPECT_FALSE(IsCodedLayer(job.selection, job.parameters, "XN"));  // not selected
}

TEST(Selection, TheCreationOperationsApplyTheTests) {
  ConversionJob job("a.dxf", "a.txt");
  job.selection = Lists(1, {"CUT"}, {"HINGE"});
  ElementSink sink = job.Sink();
  AddLine(sink, SegmentTarget::kNewElement, 1, {0, 0, 0}, {1, 0, 0}, "HOLE");
  AddPoint(sink, PointRole::kIsolated, 1, {0, 0, 0}, 0.001, "HOLE");
  EXPECT_EQ(job.drawing->current(), nullptr);
  AddLine(sink, SegmentTarget::kNewElement, 1, {0, 0, 0}, {1, 0, 0}, "CUT1");
  AddLine(sink, SegmentTarget::kCurrentElement, 1, {1, 0, 0}, {1, 1, 0}, "CUT1");
  ASSERT_NE(job.drawing->current(), nullptr);
  EXPECT_EQ(job.drawing->current()->NodeCount(), 3u);
  AddMacro(sink, 2, {0, 0, 0}, "OTHER", "CUT");
  AddMacro(sink, 2, {0, 0, 0}, "HINGE", "HOLE");
  AddPlacement(sink, 2, {1, 1, 1}, 45.0, "HINGE", "CUT");
  AddAttribute(sink, 2, {0, 0, 0}, "HINGE", "CUT", "TAG", "VALUE");
  AddAttribute(sink, 2, {0, 0, 0}, "HINGE", "HOLE", "TAG", "VALUE");
  ASSERT_EQ(job.drawing->elements().size(), 3u);
  EXPECT_EQ(job.drawing->elements().back().layer(), "TAG");
  // Face names are never coded layers.
  job.parameters.SideInp[0] = "CUT";
  job.selection.McrLayer[0] = {"CUT", "1050", ""};
  EXPECT_FALSE(IsCodedLayer(job.selection, job.parameters, "CUT"));
  EXPECT_TRUE(IsCodedLayer(job.selection, job.parameters, "CUT2"));
}

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
