// The HEADER and TABLES sections: the drawing unit and the text styles.
#include <gtest/gtest.h>

#include <string>

#include "conversion/conversion_job.h"
#include "dxf/dxf_line_reader.h"
#include "dxf/section_scan.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

class Sections : public ::testing::Test {
 protected:
  ScanOutcome Scan(const std::string& sections) {
    TextInputFile file;
    EXPECT_TRUE(file.Open(dir_.Write("a.dxf", sections + "0\nSECTION\n2\nENTITIES\n")));
    DxfLineReader reader(file);
    ElementSink sink = job_.Sink();
    EntityContext context = job_.ReadingContext(sink);
    return ScanSections(context, reader);
  }
  test::TempDir dir_;
  ConversionJob job_{"a.dxf", "a.txt"};
};

TEST_F(Sections, TheHeaderGivesTheDrawingUnit) {
  job_.parameters.UnitaMisura = 2;
  job_.parameters.RadiusMin = 25.4f;
  job_.parameters.Tollerance = 0.254f;
  job_.parameters.SpazioFont = 2.54;
  ASSERT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$EXTMIN\n10\n0\n20\n0\n30\n0\n"
                 "9\n$INSUNITS\n70\n1\n0\nENDSEC\n"),
            ScanOutcome::kEntities);
  EXPECT_EQ(job_.reading.insUnits, 1.0);
  EXPECT_EQ(job_.parameters.UnitaMisuraVal, 1);
  EXPECT_EQ(job_.parameters.inchFlag, 1);
  EXPECT_EQ(job_.parameters.RadiusMin, 25.4f / 25.4f);
  EXPECT_EQ(job_.parameters.Tollerance, 0.254f / 25.4f);
  EXPECT_EQ(job_.parameters.SpazioFont, 2.54 / 25.399999618530273);
}

TEST_F(Sections, TargetsStayArmedUntilTheirGroupComes) {
  job_.parameters.UnitaMisura = 2;
  // $INSUNITS written with group 71 leaves its 70-target armed: the 70 of
  // $ORTHOMODE after it is taken for the unit.
  ASSERT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n71\n4\n9\n$ORTHOMODE\n70\n1\n0\nENDSEC\n"),
            ScanOutcome::kEntities);
  EXPECT_EQ(job_.reading.insUnits, 1.0);
  EXPECT_EQ(job_.parameters.UnitaMisuraVal, 1);
}

TEST_F(Sections, UnitsRuleWithoutAndWithHeader) {
  job_.parameters.UnitaMisura = 1;
  job_.parameters.UnitaMisuraVal = 7;
  ASSERT_EQ(Scan("0\nSECTION\n2\nTABLES\n0\nENDSEC\n"), ScanOutcome::kEntities);
  EXPECT_EQ(job_.parameters.UnitaMisuraVal, 7);  // no HEADER: nothing changes
  EXPECT_EQ(job_.parameters.inchFlag, 0);
  ASSERT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n"), ScanOutcome::kEntities);
  EXPECT_EQ(job_.parameters.UnitaMisuraVal, 1);  // UnitaMisura 1 converts anyway
  EXPECT_EQ(job_.parameters.inchFlag, 1);
  job_.parameters = ParameterRecord{};
  job_.parameters.UnitaMisura = 2;
  job_.parameters.UnitaMisuraVal = 1;
  ASSERT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n"), ScanOutcome::kEntities);
  EXPECT_EQ(job_.parameters.UnitaMisuraVal, 0);
  EXPECT_EQ(job_.parameters.inchFlag, 0);
}

TEST_F(Sections, TextStylesInFileOrder) {
  const std::string tables =
      "0\nSECTION\n2\nTABLES\n"
      "0\nTABLE\n2\nLTYPE\n70\n1\n0\nLTYPE\n2\nSTYLE\n70\n0\n0\nENDTAB\n"
      "0\nTABLE\n2\nLAYER\n70\n1\n0\nLAYER\n2\nSTYLE\n62\n7\n6\nCONTINUOUS\n0\nENDTAB\n"
      "0\nTABLE\n2\nSTYLE\n5\n3\n330\n0\n100\nAcDbSymbolTable\n70\n3\n"
      "0\nSTYLE\n2\n  Standard  \n70\n0\n3\narial.ttf\n4\nbig.shx\n50\n15.5\n"
      "0\nSTYLE\n2\nPLAIN\n3\nsimplex.shx\n4\n   \n1000\nDejaVu Sans\n1071\n34\n"
      "0\nSTYLE\n2\nINHERITS\n3\nromans.shx\n"
      "0\nSTYLE\n2\n\n3\nnameless.ttf\n"
      "0\nENDTAB\n0\nENDSEC\n";
  ASSERT_EQ(Scan(tables), ScanOutcome::kEntities);
  const TextStyleTable& styles = job_.textStyles;
  EXPECT_EQ(styles[0].name, "Standard");
  EXPECT_EQ(styles[0].fontName, "big.shx");  // the big font wins over the primary font
  EXPECT_EQ(styles[0].obliqueAngle, 15.5);
  EXPECT_EQ(styles[1].name, "PLAIN");
  EXPECT_EQ(styles[1].fontName, "DejaVu Sans");  // the extended-data family wins over both
  EXPECT_EQ(styles[1].fontFlags, 34u);
  // The family and flags carry over to an entry without its own.
  EXPECT_EQ(styles[2].name, "INHERITS");
  EXPECT_EQ(styles[2].fontName, "DejaVu Sans");
  EXPECT_EQ(styles[2].fontFlags, 34u);
  EXPECT_EQ(styles[3].name, "");  // the nameless style took no entry
}

TEST_F(Sections, TheStyleTableHoldsForty) {
  std::string tables = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nSTYLE\n70\n45\n";
  for (int i = 1; i <= 45; ++i) tables += "0\nSTYLE\n2\nS" + std::to_string(i) + "\n3\nf.ttf\n";
  tables += "0\nENDTAB\n0\nENDSEC\n";
  ASSERT_EQ(Scan(tables), ScanOutcome::kEntities);
  EXPECT_EQ(job_.textStyles[39].name, "S40");
  EXPECT_EQ(job_.textStyles[39].fontName, "f.ttf");
}

}  // namespace
}  // namespace dxfelem
