// Hostile drawings through the whole conversion: each gives its own error
// code or a defined result, within a memory bound (a resource limit on a
// child process) and without crashing; the inputs the fuzzers reported, run
// through every reader they reach.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "dxf/dxf_line_reader.h"
#include "dxf/value_readers.h"
#include "dxfelem/dxfelem.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

constexpr long long kMemoryBound = 1024LL * 1024 * 1024;

class BadInput : public ::testing::Test {
 protected:
  // Converts the file in a child under the memory bound; its error code,
  // or a negative signal number.
  int Convert(const std::string& dxf, const std::string& settings = "") {
    const std::string ini = dir_.Write("p.ini", "[P]\n" + settings);
    const std::string out = dir_.File("out.txt");
    std::remove(out.c_str());
    return test::RunInChild(
        [&] {
          ConversionResult record{};
          DxfToTxt(settings.empty() ? "" : ini.c_str(), settings.empty() ? "" : "P", dxf.c_str(), out.c_str(), "",
                   &record);
          return static_cast<int>(record.errorCode);
        },
        {kMemoryBound, 0});
  }
  std::string Write(const std::string& bytes) { return dir_.Write("a.dxf", bytes); }
  std::string Output() const { return test::ReadFileBytes(dir_.File("out.txt")); }

  // A big file written in pieces, without holding it in memory twice.
  std::string WriteRepeated(const std::string& head, const std::string& piece, long count, const std::string& tail) {
    const std::string path = dir_.File("big.dxf");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(head.data(), 1, head.size(), file);
    for (long i = 0; i < count; ++i) std::fwrite(piece.data(), 1, piece.size(), file);
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::fclose(file);
    return path;
  }

  test::TempDir dir_;
};

const std::string kEntities = "0\nSECTION\n2\nENTITIES\n";
const std::string kEnd = "0\nENDSEC\n0\nEOF\n";

TEST_F(BadInput, FilesThatAreNoDrawings) {
  EXPECT_EQ(Convert(Write("")), 13);
  EXPECT_EQ(Convert(Write("0")), 13);
  EXPECT_EQ(Convert(Write("0\n")), 13);
  std::string late;
  for (int i = 0; i < 40; ++i) late += "999\ncomment\n";
  EXPECT_EQ(Convert(Write(late + "0\nSECTION\n2\nENTITIES\n0\nLINE\n11\n1\n" + kEnd)), 13);
  EXPECT_EQ(Convert(Write(std::string("\0\1\2\3\xff\xfe", 6) + "0\nSECTION\n")), 13);
  // A signature followed by NUL bytes: the scan finds no section end.
  EXPECT_EQ(Convert(Write("0\nSECTION\n" + std::string(100000, '\0'))), 14);
  // A first line of 100 MB: 32 lines of 526 characters are read, no more.
  EXPECT_EQ(Convert(WriteRepeated("", std::string(1 << 20, 'x'), 100, "\n0\nSECTION\n")), 13);
}

TEST_F(BadInput, BrokenStructure) {
  // A million sections that never end, or never say which they are.
  EXPECT_EQ(Convert(WriteRepeated("", "0\nSECTION\n", 1000000, "")), 14);
  // Group codes out of range or not numbers are skipped with their values.
  EXPECT_EQ(Convert(Write(kEntities + "0\nLINE\n99999\nx\n-5\ny\nabc\nz\n11\n1\n" + kEnd)), 0);
  EXPECT_EQ(Output().substr(0, 3), "INI");
  // No EOF after the last section: the pass ends at its ENDSEC.
  EXPECT_EQ(Convert(Write(kEntities + "0\nLINE\n11\n1\n0\nENDSEC\n")), 0);
  // An entity cut in the middle of a group: the file ends inside the pass.
  EXPECT_EQ(Convert(Write(kEntities + "0\nLINE\n11\n")), 4);
}

TEST_F(BadInput, NumbersThatAreNotOrdinary) {
  EXPECT_EQ(Convert(Write(kEntities +
                          "0\nLINE\n8\nA\n10\n1e99999\n11\n1\n"         // an infinite start: left out
                          "0\nLINE\n8\nB\n10\nnan\n20\n-inf\n11\n1\n"   // NaN reads as 0; -inf left out
                          "0\nPOINT\n8\nC\n10\n0x1p3\n20\n-0x.8p1\n" +  // hexadecimal numbers as strtod reads them
                          kEnd)),
            0);
  const std::string output = Output();
  EXPECT_EQ(output.find("nan"), std::string::npos);
  EXPECT_EQ(output.find("inf"), std::string::npos);
  EXPECT_NE(output.find("ISO,     3,8.00000     ,-1.00000"), std::string::npos) << output;
  EXPECT_EQ(output.find(",A "), std::string::npos);
}

TEST_F(BadInput, HugeTablesAndEntityCountsStayBounded) {
  // A million layers in the table: read through, nothing kept.
  EXPECT_EQ(Convert(WriteRepeated("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n", "0\nLAYER\n2\nL\n70\n0\n62\n7\n",
                                  1000000, "0\nENDTAB\n0\nENDSEC\n" + kEntities + "0\nLINE\n11\n1\n" + kEnd)),
            0);
  // A million INSERTs with attributes of blocks no list takes: read, no element.
  EXPECT_EQ(Convert(WriteRepeated(kEntities, "0\nINSERT\n8\nA\n2\nB\n0\nATTRIB\n2\nT\n1\nV\n", 1000000, kEnd),
                    "YesLogic=1\nMcrBlock1=B;\n"),
            41);
  // A hundred thousand that are taken: three elements each.
  EXPECT_EQ(Convert(WriteRepeated(kEntities, "0\nINSERT\n8\nA\n2\nB\n0\nATTRIB\n2\nT\n1\nV\n", 100000, kEnd),
                    "McrBlock1=B;\nConnect=0\n"),
            0);
  // A text of a million characters is read 255 at a time: its groups fall
  // out of step, "ENDSEC" is read as a value, and the file ends inside the pass.
  EXPECT_EQ(Convert(WriteRepeated(kEntities + "0\nTEXT\n8\nT\n1\n", "x", 1000000, "\n" + kEnd)), 4);
}

struct Reported {
  const char* file;
  int32_t conversionCode;  // what the conversion answers
};

const Reported kReported[] = {
    {"group-reader-timeout-711fcd8e.dxf", 13},  // no signature in its first 32 lines
    {"check-units-overflow-27936667.dxf", 14},  // the header's $INSUNITS runs into its ENDSEC
    {"survey-splines-slow-0439aa3d.dxf", 41},   // SPLINEs only, not converted without SplineArchi
};

TEST(RegressionInputs, EveryReportedInputHasItsOutcome) {
  test::TempDir dir;
  std::size_t inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/regressions")) {
    inputs += entry.path().extension() == ".dxf";
  }
  EXPECT_EQ(inputs, std::size(kReported)) << "every input in the folder has its line here";
  for (const Reported& reported : kReported) {
    const std::string path = std::string(DXFELEM_TEST_DATA "/regressions/") + reported.file;
    // The group reader alone, to the end of the file.
    TextInputFile file;
    ASSERT_TRUE(file.Open(path));
    DxfLineReader reader(file);
    long long groups = 0;
    while (!reader.AtEnd()) {
      ReadToken(reader);
      ReadRounded4(reader);
      ++groups;
    }
    EXPECT_GT(groups, 0) << path;
    ConversionResult record{};
    DxfToTxt("", "", path.c_str(), dir.File("out.txt").c_str(), "", &record);
    EXPECT_EQ(record.errorCode, reported.conversionCode) << path;
    int32_t code = -1;
    DxfToLayersNet("", "", path.c_str(), dir.File("list.txt").c_str(), "", &code);
    DxfToBlocksNet("", "", path.c_str(), dir.File("list.txt").c_str(), "", &code);
  }
}

}  // namespace
}  // namespace dxfelem
