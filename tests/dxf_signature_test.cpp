#include "dxf/dxf_signature.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace dxfelem {
namespace {

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

std::string Lines(int count, const std::string& line) {
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
  EXPECT_TRUE(Check(Lines(31, "999") + "0\nSECTION\n"));
  EXPECT_FALSE(Check(Lines(32, "999") + "0\nSECTION\n"));
}

TEST(DxfSignature, LongLinesCountAsSeveralLines) {
  // 600 spaces and a '0': the first 526 characters are one line, and the
  // rest, spaces and the '0', is the next one.
  EXPECT_TRUE(Check(std::string(600, ' ') + "0\nSECTION\n"));
  // 31 lines of 1000 characters are 62 lines to the check.
  EXPECT_FALSE(Check(Lines(16, std::string(1000, 'x')) + "0\nSECTION\n"));
  EXPECT_TRUE(Check(Lines(15, std::string(1000, 'x')) + "0\nSECTION\n"));
}

}  // namespace
}  // namespace dxfelem
