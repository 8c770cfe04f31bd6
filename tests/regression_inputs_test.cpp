// Inputs the fuzzers reported, run through every reader they reach.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxf/dxf_line_reader.h"
#include "dxf/value_readers.h"
#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

struct Reported {
  const char* file;
  int32_t conversionCode;  // what the conversion answers
};

const Reported kReported[] = {
    {"group-reader-timeout-711fcd8e.dxf", 13},  // no signature in its first 32 lines
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
