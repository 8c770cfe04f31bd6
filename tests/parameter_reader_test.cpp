// The settings of a conversion read from the caller's INI file and ROZOZ.INI,
// and what is written back into the caller's file.
#include <gtest/gtest.h>

#include <string>

#include "conversion/conversion_job.h"
#include "params/parameter_file.h"
#include "params/process_state.h"
#include "platform/profile_file.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

class ParameterReader : public ::testing::Test {
 protected:
  ParameterRecord Read(const std::string& ini, const std::string& section = "Panel") {
    path_ = dir_.Write("p.ini", ini);
    ProfileFile file(path_);
    ReadParameters(job_.parameters, job_.selection, file, section);
    EXPECT_TRUE(file.Save());
    return job_.parameters;
  }
  void WriteBack(const std::string& path, const std::string& section) {
    ProfileFile file(path);
    WriteBackParameters(job_.parameters, file, section);
    EXPECT_TRUE(file.Save());
  }
  std::string Ini() const { return test::ReadFileBytes(path_); }

  test::TempDir dir_;
  std::string path_;
  ConversionJob job_{"in.dxf", "out.txt"};
};

const char kSidesAndVars[] =
    "Side1=\r\nSide2=\r\nSide3=\r\nSide4=\r\nSide5=\r\nSide6=\r\n"
    "Var1=0\r\nVar2=0\r\nVar3=0\r\nVar4=0\r\nVar5=0\r\nVar6=0\r\nVar7=0\r\nVar8=0\r\n";

TEST_F(ParameterReader, WithoutFileOrSectionTheBuiltInDefaultsStay) {
  ParameterRecord p = Read("[Panel]\r\nConnect=1\r\nTollerance=0.5\r\n", "");
  EXPECT_EQ(p.Connect, 0);
  EXPECT_EQ(p.Tollerance, 0.0001f);
  EXPECT_EQ(p.ScambiaFacce[0], 0);  // no face substitution without a file
  WriteBack(path_, "");
  WriteBack("", "Panel");
  EXPECT_EQ(Ini(), "[Panel]\r\nConnect=1\r\nTollerance=0.5\r\n");
}

TEST_F(ParameterReader, AnEmptySectionGivesTheIniDefaults) {
  ParameterRecord p = Read("[Panel]\r\n");
  EXPECT_EQ(p.Connect, 1);
  EXPECT_EQ(p.Tollerance, 0.001f);
  EXPECT_EQ(p.RadiusMin, 0.0f);
  EXPECT_EQ(p.ArchiEllisse, 8);
  EXPECT_EQ(p.DecimaliTxt, 5);
  EXPECT_EQ(p.Testo, 1);
  EXPECT_EQ(p.RaggioFresaRidu, 1);
  EXPECT_EQ(p.TolleSpline, 0.1);
  EXPECT_EQ(p.TolleTangente, 0.02);
  EXPECT_EQ(p.RaggioFresaEps, 0.005);
  EXPECT_EQ(p.InterFont, 10.0);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(p.ScambiaFacce[i], i + 1);
    EXPECT_EQ(p.SideInp[i], "Side" + std::to_string(i + 1));
    EXPECT_EQ(p.Side[i], " ");
  }
  for (const std::string& value : p.Var) EXPECT_EQ(value, "0");
  // Reading wrote the side texts and the piece variables.
  EXPECT_EQ(Ini(), std::string("[Panel]\r\n") + kSidesAndVars);
}

// Every other section, comment and blank line stays where it was; the keys
// read are written back in their own formats, the ones not there added after
// them (tests/data/parameters/SOURCES.md).
TEST_F(ParameterReader, WriteBackFormatsAndOtherLinesSurvive) {
  ParameterRecord p = Read(test::ReadFileBytes(DXFELEM_TEST_DATA "/parameters/write-back.ini"));
  EXPECT_EQ(p.DecimaliTxt, 12);
  EXPECT_EQ(p.SegmentoMacro, 3.0);  // read as an integer
  WriteBack(path_, "Panel");
  EXPECT_EQ(Ini(), test::ReadFileBytes(DXFELEM_TEST_DATA "/parameters/write-back.after.ini"));
}

TEST_F(ParameterReader, SettingsFileFallbacksAndOverride) {
  dir_.Write("ROZOZ.INI",
             "[Pelvor]\n"
             "Side3=  A \n"
             "PieceVars= 1; 2 ;3 \n"
             "Parametri=Other=5;YesLogic;YesLogic=1\n");
  ParameterRecord p = Read("[Panel]\nSide1=own\nVar1=keep?\nNoLayer1=CUT\nNoBlock1=B1\n");
  EXPECT_EQ(p.Side[0], "own");
  EXPECT_EQ(p.Side[2], "A");
  EXPECT_EQ(p.Side[1], " ");
  const char* vars[] = {"1", "2", "3", "3", "3", "3", "3", "3"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(p.Var[i], vars[i]) << i;
  // The lists were read as NoLayer/NoBlock, then the override turned them
  // into lists of names to take.
  EXPECT_EQ(job_.selection.YesLogic, 1);
  EXPECT_EQ(job_.selection.layers[0], "CUT");
  EXPECT_EQ(job_.selection.blocks[0], "B1");
  EXPECT_EQ(Ini(),
            "[Panel]\nSide1=own\nVar1=1\nNoLayer1=CUT\nNoBlock1=B1\n"
            "Side2=\nSide3=A\nSide4=\nSide5=\nSide6=\n"
            "Var2=2\nVar3=3\nVar4=3\nVar5=3\nVar6=3\nVar7=3\nVar8=3\n");
}

TEST_F(ParameterReader, FaceNumbersAndNamesInBothForms) {
  ParameterRecord p = Read(
      "[Panel]\nAltezza3D=1\nScambiaFacce1_2D=4\nScambiaFacce2_3D=5\nScambiaFacce2=6\n"
      "SideInp1_2D=Two,0;\nSideInp1_3D=A,,*,3;\nSideInp2_3D=*,x;\nSideInp3_3D=NoSemicolon\n"
      "SideInp4_3D=,,B;\nSideInp5_3D= E5 ;\n");
  EXPECT_EQ(p.ScambiaFacce[0], 1);  // "_3D" keys, absent: 1..6
  EXPECT_EQ(p.ScambiaFacce[1], 5);
  EXPECT_EQ(p.ScambiaFacce[5], 6);
  EXPECT_EQ(p.SideInp[0], "A");
  EXPECT_EQ(p.SideInp[1], "");     // "*" leaves the face name as it was
  EXPECT_EQ(p.SideInp[2], "");     // no ";" leaves it as it was
  EXPECT_EQ(p.SideInp[3], "");     // ",,B" becomes ",*,B": the first field is "*"
  EXPECT_EQ(p.SideInp[4], "E5 ");  // the line is trimmed, its fields are not
  EXPECT_EQ(p.SideInp[5], "Side6");

  ParameterRecord plain = Read("[Panel]\nScambiaFacce1=3\nSideInp1=Top,1;\nSideInp1_3D=never;\n");
  EXPECT_EQ(plain.ScambiaFacce[0], 3);
  EXPECT_EQ(plain.SideInp[0], "Top");
}

TEST_F(ParameterReader, AltroFirstMatchRule) {
  ParameterRecord p = Read("[Panel]\nAltro=L10=X,5 Bordo2=12.5 L2=Y,1,2,3,4,5 L3=Z Bordo9=1\n");
  EXPECT_EQ(p.AltroRows[9].name, "X");
  EXPECT_EQ(p.AltroRows[9].values[0], 5);
  // "L1" first matches the start of "L10": the digit 0 is skipped.
  EXPECT_EQ(p.AltroRows[0].name, "=X");
  EXPECT_EQ(p.AltroRows[0].values[0], 5);
  EXPECT_EQ(p.AltroRows[1].name, "Y");
  EXPECT_EQ(p.AltroRows[1].values[3], 4);  // D takes "4,5"
  EXPECT_EQ(p.AltroRows[2].name, "Z");
  EXPECT_EQ(p.AltroRows[2].values[0], 0);
  EXPECT_EQ(p.AltroRows[3].name, "");
  EXPECT_EQ(p.Bordo[0], 50.0);
  EXPECT_EQ(p.Bordo[1], 12.5);
}

TEST_F(ParameterReader, InchRoundTripKeepsMillimetresInTheFile) {
  ParameterRecord p = Read("[Panel]\nRadiusMin=5\nTollerance=0.1\nSpazioFont=2.54\n");
  ScaleToInches(job_.parameters);
  EXPECT_EQ(job_.parameters.inchFlag, 1);
  EXPECT_EQ(job_.parameters.RadiusMin, 5.0f / 25.4f);
  EXPECT_EQ(job_.parameters.SpazioFont, 2.54 / 25.399999618530273);
  ScaleToMillimetres(job_.parameters);
  WriteBack(path_, "Panel");
  const std::string ini = Ini();
  EXPECT_NE(ini.find("RadiusMin=5.00\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Tollerance=0.10000\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("SpazioFont=2.54000\n"), std::string::npos) << ini;
}

TEST_F(ParameterReader, SelectionTablesAndTheSubBlockTableThatOutlivesCalls) {
  TheProcessState().macroBlocks = std::make_unique<BlockDefinitionTable>();
  TheProcessState().operationBlocks.reset();
  Read(
      "[Panel]\nYesLogic=1\nYesLayer1= CUT \nYesLayer2=\nYesLayer3=NEVER\n"
      "LavLayer1=nosemicolon\nLavLayer2=L2,1050;\nMcrLayer1=M,,x;\n"
      "McrBlock1=M1,x,y;p,q,r;(a,b,c)\nOprBlock1=O1;\nSubBlock1=S1,s2,s3;\nSubBlock2=S2;\nSubBlock3=S3;\n");
  EXPECT_EQ(job_.selection.layers[0], "CUT");
  EXPECT_EQ(job_.selection.layers[1], "");
  EXPECT_EQ(job_.selection.LavLayer[0].layer, "");
  EXPECT_EQ(job_.selection.LavLayer[1].layer, "L2");
  EXPECT_EQ(job_.selection.LavLayer[1].code, "1050");
  EXPECT_EQ(job_.selection.McrLayer[0].layer, "M");
  EXPECT_EQ(job_.selection.McrLayer[0].code, "");
  const BlockDefinition& macro = TheProcessState().macroBlocks->entries()[0];
  EXPECT_EQ(macro.head[0], "M1");
  EXPECT_EQ(macro.head[2], "y");
  EXPECT_EQ(macro.triples[0][2], "r");
  EXPECT_EQ(macro.closing[0], "a");
  EXPECT_EQ(macro.closing[2], "c");
  EXPECT_FALSE(IsDefinedBlock("O1"));  // no operation table this time
  EXPECT_TRUE(IsDefinedBlock("S3"));
  EXPECT_EQ(TheProcessState().subBlocks.entries()[0].head[2], "");  // two head fields only

  ConversionJob second("in.dxf", "out.txt");
  ProfileFile q(dir_.Write("q.ini", "[Panel]\nSubBlock1=T1;\n"));
  ReadParameters(second.parameters, second.selection, q, "Panel");
  EXPECT_TRUE(IsDefinedBlock("T1"));
  EXPECT_TRUE(IsDefinedBlock("S2"));
  EXPECT_TRUE(IsDefinedBlock("S3"));
  EXPECT_FALSE(IsDefinedBlock("S1"));
}

}  // namespace
}  // namespace dxfelem
