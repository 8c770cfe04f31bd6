// The bottom of the DXF reader: the signature, lines, tokens, values, the
// section scan with the HEADER and TABLES sections (the drawing unit and the
// text styles), and the entity pass.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "conversion/conversion_job.h"
#include "dxf/dxf_line_reader.h"
#include "dxf/dxf_signature.h"
#include "dxf/entity_pass.h"
#include "dxf/keyword_table.h"
#include "dxf/section_scan.h"
#include "dxf/value_readers.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

// A file of lines and a reader over it.
class Lines {
 public:
  explicit Lines(const std::string& text) { EXPECT_TRUE(file_.Open(dir_.Write("a.dxf", text))); }
  DxfLineReader& reader() { return reader_; }

 private:
  test::TempDir dir_;
  TextInputFile file_;
  DxfLineReader reader_{file_};
};

// The rows whose sharing or spelling is easy to get wrong; the others are
// read through every test of a drawing.
TEST(KeywordTable, SharedRowsCaseAndWhatHasNone) {
  EXPECT_EQ(LookupKeyword("EOF"), LookupKeyword("EOFILE"));
  EXPECT_EQ(LookupKeyword("0"), kGroup0);
  EXPECT_EQ(LookupKeyword("5"), 234);
  EXPECT_EQ(LookupKeyword("74"), 74);
  EXPECT_EQ(LookupKeyword("1071"), 99);
  // Keywords ignore case; group codes are text: "010" is not "10".
  EXPECT_EQ(LookupKeyword("eNdSeC"), kTokenEndsec);
  EXPECT_EQ(LookupKeyword("3dFace"), kToken3dface);
  EXPECT_EQ(LookupKeyword("$insunits"), kTokenInsunits);
  // The longest keywords, and keywords alike but for one late character.
  EXPECT_EQ(LookupKeyword("lwPolyLine"), kTokenLwpolyline);
  EXPECT_EQ(LookupKeyword("DIMENSION"), kTokenDimension);
  EXPECT_EQ(LookupKeyword("$UCSXDIR"), kTokenUcsxdir);
  EXPECT_EQ(LookupKeyword("$ucsydir"), kTokenUcsydir);
  EXPECT_EQ(LookupKeyword("$EXTMAX"), kTokenExtmax);
  EXPECT_EQ(LookupKeyword("TABLES"), kTokenTables);
  for (const char* none :
       {"",   "010", "00",   "100",   "330",     "1001",    "SPLINE",      "LINES",     "LIN",       "10.0",    "+10",
        "-1", " 10", "1072", "99999", "3DSOLID", "ENDSECX", "LWPOLYLINES", "LWPOLYLIN", "DIMENSIOM", "$UCSZDIR"}) {
    EXPECT_EQ(LookupKeyword(none), kTokenNone) << none;
  }
}

TEST(ValueReaders, TrimmingAndLongLines) {
  Lines lines(" \t 10  \n\t10\t\n  HEADER \r\n" + std::string(300, 'x') + "\n  A  \nlast");
  std::string_view text;
  ASSERT_TRUE(ReadTrimmedLine(lines.reader(), text));
  EXPECT_EQ(text, "10");
  ASSERT_TRUE(ReadTrimmedLine(lines.reader(), text));
  EXPECT_EQ(text, "10\t");  // trailing tabs stay
  EXPECT_EQ(ReadToken(lines.reader()), kTokenHeader);
  // 300 characters: 255 of them, then the rest as the next line.
  ASSERT_TRUE(ReadTrimmedLine(lines.reader(), text));
  EXPECT_EQ(text.size(), 255u);
  ASSERT_TRUE(ReadTrimmedLine(lines.reader(), text));
  EXPECT_EQ(text.size(), 45u);
  std::string raw;
  ReadRawLine(lines.reader(), &raw);
  EXPECT_EQ(raw, "  A  ");
  ReadRawLine(lines.reader(), &raw);
  EXPECT_EQ(raw, "last");
  EXPECT_FALSE(lines.reader().AtEnd());
  EXPECT_FALSE(ReadTrimmedLine(lines.reader(), text));
  EXPECT_TRUE(lines.reader().AtEnd());
  EXPECT_EQ(ReadToken(lines.reader()), kTokenNone);
  EXPECT_EQ(ReadRounded4(lines.reader()), 0.0);
  EXPECT_EQ(lines.reader().LineNumber(), 7);
}

TEST(ValueReaders, RoundingToFourDecimals) {
  EXPECT_EQ(RoundTo4Decimals(1.23455), 1.2346);
  EXPECT_EQ(RoundTo4Decimals(1.23456), 1.2346);
  EXPECT_EQ(RoundTo4Decimals(1.234549), 1.2346);  // the 0.5 of the first step
  EXPECT_EQ(RoundTo4Decimals(1.23444), 1.2344);
  EXPECT_EQ(RoundTo4Decimals(-1.23456), -1.2346);
  EXPECT_EQ(RoundTo4Decimals(-1.23454), -1.2345);
  EXPECT_EQ(RoundTo4Decimals(-0.00004), 0.0);
  EXPECT_FALSE(std::signbit(RoundTo4Decimals(-0.00004)));
  EXPECT_EQ(RoundTo4Decimals(0.0), 0.0);
  EXPECT_EQ(RoundTo4Decimals(21474.8364), 21474.8364);    // t just inside the limit
  EXPECT_EQ(RoundTo4Decimals(21474.83641), 21474.83641);  // beyond it: unchanged
  EXPECT_EQ(RoundTo4Decimals(-21474.83641), -21474.83641);
  EXPECT_EQ(RoundTo4Decimals(1e10), 1e10);
  EXPECT_EQ(RoundTo4Decimals(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
  EXPECT_EQ(RoundTo4Decimals(std::numeric_limits<double>::quiet_NaN()), 0.0);

  EXPECT_EQ(RoundTo4DecimalsSingle(1.23456f), 1.2346f);
  EXPECT_EQ(RoundTo4DecimalsSingle(-1.23456f), -1.2346f);
  EXPECT_EQ(RoundTo4DecimalsSingle(0.5f), 0.5f);
  EXPECT_EQ(RoundTo4DecimalsSingle(21474.8f), 21474.8f);  // t beyond 2^31: unchanged
  EXPECT_EQ(RoundTo4DecimalsSingle(std::numeric_limits<float>::quiet_NaN()), 0.0f);

  Lines lines("1.23455\nabc\n  -7.5e1x\n1e999\n-1e999\nnan\n1e300\n");
  EXPECT_EQ(ReadRounded4(lines.reader()), 1.2346);
  EXPECT_EQ(ReadRounded4(lines.reader()), 0.0);
  EXPECT_EQ(ReadRounded4(lines.reader()), -75.0);
  EXPECT_EQ(ReadRounded4(lines.reader()), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadRounded4(lines.reader()), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadRounded4(lines.reader()), 0.0);
  EXPECT_EQ(ReadRounded4Single(lines.reader()), std::numeric_limits<float>::infinity());
}

TEST(ValueReaders, IntegersAndUnroundedDoubles) {
  Lines lines(" 42\n-7x\nabc\n1.23456789\n");
  EXPECT_EQ(ReadInt(lines.reader()), 42);
  EXPECT_EQ(ReadInt(lines.reader()), -7);
  EXPECT_EQ(ReadInt(lines.reader()), 0);
  EXPECT_EQ(ReadDouble(lines.reader()), 1.23456789);
}

ScanOutcome Scan(const std::string& text, long long* lineNumber = nullptr) {
  Lines lines(text);
  ConversionJob job("a.dxf", "a.txt");
  ElementSink sink = job.Sink();
  EntityContext context = job.ReadingContext(sink);
  ScanOutcome outcome = ScanSections(context, lines.reader());
  if (lineNumber != nullptr) *lineNumber = lines.reader().LineNumber();
  return outcome;
}

TEST(SectionScan, FindsEntitiesAndStopsOnBrokenFiles) {
  long long line = 0;
  EXPECT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
                 "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nENTITIES\n0\nENDBLK\n0\nENDSEC\n"
                 "0\nSECTION\n2\nENTITIES\n0\nLINE\n",
                 &line),
            ScanOutcome::kEntities);
  EXPECT_EQ(line, 18) << "a block named ENTITIES inside BLOCKS is taken for the section, as on the hosts";
  EXPECT_EQ(Scan("0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n", &line),
            ScanOutcome::kEntities);
  EXPECT_EQ(line, 10);
  // "EOF" with no ENTITIES section: success with nothing to read.
  EXPECT_EQ(Scan("0\nSECTION\n2\nTABLES\n0\nENDSEC\n0\nEOF\nrubbish\n", &line), ScanOutcome::kEndOfDrawing);
  EXPECT_EQ(line, 8);
  // The file ends inside a section, or without EOF.
  EXPECT_EQ(Scan("0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n"), ScanOutcome::kFailed);
  EXPECT_EQ(Scan("0\nSECTION\n2\nTABLES\n0\nENDSEC\n"), ScanOutcome::kFailed);
  EXPECT_EQ(Scan(""), ScanOutcome::kFailed);
  // A layer named "0" never starts a section; an EOF inside a section is no end.
  EXPECT_EQ(Scan("8\n0\nSECTION\n2\nENTITIES\n0\nEOF\n"), ScanOutcome::kEndOfDrawing);
  EXPECT_EQ(Scan("0\nSECTION\n0\nEOF\n2\nENTITIES\n", &line), ScanOutcome::kEntities);
  EXPECT_EQ(line, 6);
}

int Pass(const std::string& text, long long* lineNumber = nullptr) {
  Lines lines(text);
  ConversionJob job("a.dxf", "a.txt");
  ElementSink sink = job.Sink();
  EntityContext context = job.ReadingContext(sink);
  int ok = ReadEntities(context, lines.reader()) ? 1 : 0;
  if (lineNumber != nullptr) *lineNumber = lines.reader().LineNumber();
  return ok;
}

TEST(EntityPass, EntitiesAreConsumedInPairsUntilTheEnd) {
  long long line = 0;
  // A TEXT whose value is "ENDSEC" and a layer named "0" end nothing; the
  // pass ends at the real ENDSEC on line 16.
  EXPECT_EQ(Pass("0\nTEXT\n8\n0\n1\nENDSEC\n0\nSPLINE\n8\n0\n1\nEOF\n0\nLINE\n0\nENDSEC\n0\nEOF\n", &line), 1);
  EXPECT_EQ(line, 16);
  EXPECT_EQ(Pass("0\n0\n0\nEOFILE\n", &line), 1);
  EXPECT_EQ(line, 4);
  EXPECT_EQ(Pass("0\nPOINT\n10\n1\n0\nENDBLK\n"), 1);
  // The file ends inside the pass: a truncated drawing.
  EXPECT_EQ(Pass("0\nLINE\n10\n1.0\n20\n"), 0);
  EXPECT_EQ(Pass("0\nLINE\n10\n1.0\n0\n"), 0);
  EXPECT_EQ(Pass(""), 0);
  EXPECT_EQ(Pass(std::string("0\nLINE\n8\n\0\n0\nENDSEC\n", 20)), 1);  // a NUL byte is no line end
}

bool Check(const std::string& bytes) {
  test::TempDir dir;
  TextInputFile file;
  EXPECT_TRUE(file.Open(dir.Write("a.dxf", bytes)));
  bool answer = CheckDxfSignature(file);
  // The file is rewound for the reader whatever the answer.
  char line[600];
  std::string first = file.ReadLine(line, sizeof line) ? line : "";
  first = first.substr(0, first.find('\n'));
  EXPECT_EQ(first, bytes.substr(0, first.size()));
  return answer;
}

std::string Repeated(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\n";
  return text;
}

TEST(DxfSignature, OnlySevenCaseSensitiveCharactersAfterLeadingSpaces) {
  EXPECT_TRUE(Check("0\nSECTION\n"));
  EXPECT_TRUE(Check("0\r\nSECTION\r\n"));
  EXPECT_TRUE(Check("0\nSECTIONS\n"));
  EXPECT_TRUE(Check("  0\n   SECTION\n"));
  EXPECT_TRUE(Check("0\nSECTION"));  // no line end at the end of the file
  EXPECT_FALSE(Check("0\nsection\n"));
  EXPECT_FALSE(Check("0\n\tSECTION\n"));  // spaces are skipped, tabs are not
  EXPECT_FALSE(Check("\t0\nSECTION\n"));
  EXPECT_FALSE(Check("0\nSECTIO\n"));
  EXPECT_FALSE(Check("0\n"));
  EXPECT_FALSE(Check(""));
}

TEST(DxfSignature, TheFirstLineStartingWithZeroDecides) {
  // "05" starts with '0': the next line is not SECTION, so the answer is no
  // even though a real signature follows.
  EXPECT_FALSE(Check("999\ncomment\n05\nxx\n0\nSECTION\n"));
  EXPECT_TRUE(Check("999\ncomment\n0x\nSECTION\n"));
  EXPECT_TRUE(Check("999\nA comment\n  999\nB\n0\nSECTION\n"));
}

TEST(DxfSignature, ThirtyTwoLinesAreSearched) {
  // A '0' on line 32 may have its SECTION on line 33; a '0' on line 33 is too late.
  EXPECT_TRUE(Check(Repeated(31, "999") + "0\nSECTION\n"));
  EXPECT_FALSE(Check(Repeated(32, "999") + "0\nSECTION\n"));
}

TEST(DxfSignature, LongLinesCountAsSeveralLines) {
  // 600 spaces and a '0': the first 526 characters are one line, and the
  // rest, spaces and the '0', is the next one.
  EXPECT_TRUE(Check(std::string(600, ' ') + "0\nSECTION\n"));
  // 31 lines of 1000 characters are 62 lines to the check.
  EXPECT_FALSE(Check(Repeated(16, std::string(1000, 'x')) + "0\nSECTION\n"));
  EXPECT_TRUE(Check(Repeated(15, std::string(1000, 'x')) + "0\nSECTION\n"));
}

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
