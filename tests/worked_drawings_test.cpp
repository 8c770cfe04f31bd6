// Drawings whose element files were worked out by hand (tests/data/worked,
// each rule explained in its SOURCES.md), converted as the hosts convert
// them and compared byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(WorkedDrawings, EachGivesItsElementFileByteForByte) {
  int drawings = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/worked")) {
    if (entry.path().extension() != ".dxf") continue;
    ++drawings;
    std::filesystem::path base = entry.path();
    base.replace_extension();
    test::TempDir dir;
    const std::string ini = dir.Write("p.ini", test::ReadFileBytes(base.string() + ".ini"));
    ConversionResult record{};
    EXPECT_EQ(DxfToTxt(ini.c_str(), "P", entry.path().c_str(), dir.File("a.txt").c_str(), "", &record), 1)
        << base.filename() << ": code " << record.errorCode;
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.txt")), test::ReadFileBytes(base.string() + ".txt")) << base.filename();
  }
  EXPECT_GE(drawings, 13);
}

}  // namespace
}  // namespace dxfelem
