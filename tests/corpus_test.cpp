// Real drawings saved by CAD programs and devices, through the whole
// conversion: each has a defined outcome, and none crashes or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(Corpus, EveryRealDrawingConvertsToADefinedOutcome) {
  test::TempDir dir;
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DXFELEM_TEST_DATA "/corpus")) {
    if (entry.path().extension() != ".dxf") continue;
    ++files;
    const std::string dxf = entry.path().string();
    const std::string done = dir.File("done.txt");
    std::filesystem::remove(done);
    ConversionResult record{};
    const int32_t returned = DxfToTxt("", "", dxf.c_str(), dir.File("out.txt").c_str(), done.c_str(), &record);
    // Every file is a complete DXF drawing: it is read to its end. Until
    // the entity readers convert anything, no element comes out of it.
    EXPECT_EQ(returned, 0) << dxf;
    EXPECT_EQ(record.errorCode, DXFELEM_E_NO_ELEMENTS) << dxf;
    EXPECT_EQ(test::ReadFileBytes(done), "1") << dxf;
  }
  EXPECT_EQ(files, 12u);
}

}  // namespace
}  // namespace dxfelem
