// Drawings whose element files were worked out by hand (tests/data/worked,
// each rule explained in its SOURCES.md), converted as the hosts convert
// them and compared byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(WorkedDrawings, EachGivesItsElementFileByteForByte) {
  const std::vector<std::string> drawings = test::DrawingsIn(DXFELEM_TEST_DATA "/worked");
  for (const std::string& drawing : drawings) {
    test::TempDir dir;
    const std::string ini = dir.Write("p.ini", test::ReadFileBytes(drawing + ".ini"));
    ConversionResult record{};
    EXPECT_EQ(DxfToTxt(ini.c_str(), "P", (drawing + ".dxf").c_str(), dir.File("a.txt").c_str(), "", &record), 1)
        << drawing << ": code " << record.errorCode;
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.txt")), test::ReadFileBytes(drawing + ".txt")) << drawing;
  }
  EXPECT_GE(drawings.size(), 13u);
}

}  // namespace
}  // namespace dxfelem
