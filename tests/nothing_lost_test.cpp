// Failures while writing never destroy a file the user had: a full disk is
// simulated with a file size limit on a child process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "dxfelem/dxfelem.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

std::size_t RegularFiles(const test::TempDir& dir) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) count += entry.is_regular_file();
  return count;
}

// A drawing whose element file is far larger than 64 KiB.
std::string ManyLines() {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < 2000; ++i) dxf += "0\nLINE\n8\nL\n10\n" + std::to_string(i) + "\n11\n" + std::to_string(i + 1) + "\n";
  return dxf + "0\nENDSEC\n0\nEOF\n";
}

TEST(NothingLost, AFullDiskLeavesTheOldElementFile) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", ManyLines());
  const std::string out = dir.Write("out.txt", "the element file of yesterday");
  const std::string done = dir.File("done");
  const int returned = test::RunInChild(
      [&] {
        ConversionResult record{};
        return static_cast<int>(DxfToTxt("", "", dxf.c_str(), out.c_str(), done.c_str(), &record));
      },
      {0, 64 * 1024});
  // The write error ends the call through its guard: 0, no completion file.
  EXPECT_EQ(returned, 0);
  EXPECT_EQ(test::ReadFileBytes(out), "the element file of yesterday");
  EXPECT_FALSE(std::filesystem::exists(done));
  EXPECT_EQ(RegularFiles(dir), 2u) << "no temporary file is left behind";
}

TEST(NothingLost, AFullDiskLeavesTheOldParameterFile) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n");
  // A parameter file larger than the limit cannot be written back.
  const std::string original = "[P]\nConnect=0\n; " + std::string(100 * 1024, 'c') + "\n";
  const std::string ini = dir.Write("p.ini", original);
  const int returned = test::RunInChild(
      [&] {
        ConversionResult record{};
        return static_cast<int>(DxfToTxt(ini.c_str(), "P", dxf.c_str(), dir.File("out.txt").c_str(), "", &record));
      },
      {0, 64 * 1024});
  EXPECT_EQ(returned, 1);  // the conversion itself succeeds
  EXPECT_EQ(test::ReadFileBytes(ini), original);
  EXPECT_EQ(RegularFiles(dir), 3u);
}

TEST(NothingLost, ReadOnlyAndVanishedParameterFiles) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n");
  const std::string ini = dir.Write("p.ini", "[P]\nConnect=0\n");
  chmod(ini.c_str(), 0444);
  ConversionResult record{};
  EXPECT_EQ(DxfToTxt(ini.c_str(), "P", dxf.c_str(), dir.File("out.txt").c_str(), "", &record), 1);
  EXPECT_EQ(test::ReadFileBytes(ini), "[P]\nConnect=0\n");
  // A parameter file that is not there is made by the write-back, as the
  // hosts' own functions do.
  const std::string missing = dir.File("new.ini");
  EXPECT_EQ(DxfToTxt(missing.c_str(), "P", dxf.c_str(), dir.File("out.txt").c_str(), "", &record), 1);
  EXPECT_NE(test::ReadFileBytes(missing).find("[P]\r\nSide1=\r\n"), std::string::npos);
}

}  // namespace
}  // namespace dxfelem
