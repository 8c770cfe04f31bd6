// The kernel's messages and their message file.
#include "kernel/kernel_messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace dxfelem {
namespace {

class KernelMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.File("MSG"));
    setenv("ZIZAVE", dir_.path().c_str(), 1);
  }
  void TearDown() override { unsetenv("ZIZAVE"); }

  std::string Report(const char* keyword) {
    testing::internal::CaptureStderr();
    tg_report_error(keyword, 75, "tg_ellipsepnts");
    return testing::internal::GetCapturedStderr();
  }

  test::TempDir dir_;
};

TEST_F(KernelMessages, TheKeywordsLineFromTheMessageFile) {
  dir_.Write("MSG/VIRID.DAT",
             "BADRECTX never this one\r\n"
             "NOBLANKS\r\n"
             "BADRECT \t Rectangle too small\r\n"
             "BADRECT second match is never shown\r\n");
  EXPECT_EQ(Report("BADRECT"), "VU-RIR Message: BADRECT Rectangle too small\nLocation: tg_ellipsepnts Error Nr: 75\n");
  EXPECT_EQ(Report("NOBLANKS"), "");  // a line without a blank has no first word
  EXPECT_EQ(Report("badrect"), "");   // keywords are case-sensitive
  EXPECT_EQ(Report("MISSING"), "");
}

TEST_F(KernelMessages, MissingEmptyOrBinaryFilesShowNothing) {
  EXPECT_EQ(Report("BADRECT"), "");
  dir_.Write("MSG/VIRID.DAT", "");
  EXPECT_EQ(Report("BADRECT"), "");
  dir_.Write("MSG/VIRID.DAT", std::string("\0\xff\x01 BADRECT\0\n\x1a", 14) + std::string(1000, 'B'));
  EXPECT_EQ(Report("BADRECT"), "");
  unsetenv("ZIZAVE");  // then the file is looked for in the current folder
  EXPECT_EQ(Report("BADRECT"), "");
}

TEST_F(KernelMessages, MemoryErrorsNameTheirPlace) {
  testing::internal::CaptureStderr();
  tg_memory_error("ll_create_list");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "VU-RIR Message: Memory Error: ll_create_list\n");
}

}  // namespace
}  // namespace dxfelem
