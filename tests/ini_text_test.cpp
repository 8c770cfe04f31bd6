// INI text read and changed by the rules of the Windows private-profile
// functions.
#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace dxfelem {
namespace {

std::string Find(std::string_view text, std::string_view section, std::string_view key) {
  std::string value;
  return FindIniValue(text, section, key, value) ? value : "<missing>";
}

TEST(IniText, LookupRules) {
  const std::string text =
      "\xEF\xBB\xBF[First]\r\n"
      "Key=first\r\n"
      "  [ Panel ]  \r\n"
      "; Connect=9 is a comment\r\n"
      "  connect  =  1  \r\n"
      "CONNECT=2\r\n"
      "Quoted=\"  a b  \"\r\n"
      "Single='x'\r\n"
      "Mixed=\"x'\r\n"
      "Bare\r\n"
      "Equals=a=b\r\n"
      "Empty=\r\n"
      "[panel]\r\n"
      "Late=never seen\r\n"
      "[Other]\n"
      "Key=other";
  EXPECT_EQ(Find(text, "first", "KEY"), "first");
  EXPECT_EQ(Find(text, "PANEL", "Connect"), "1");  // the first of two
  EXPECT_EQ(Find(text, " panel ", " connect "), "1");
  EXPECT_EQ(Find(text, "Panel", "Quoted"), "  a b  ");
  EXPECT_EQ(Find(text, "Panel", "Single"), "x");
  EXPECT_EQ(Find(text, "Panel", "Mixed"), "\"x'");
  EXPECT_EQ(Find(text, "Panel", "Bare"), "<missing>");  // no "=": no value, the default
  EXPECT_EQ(Find(text, "Panel", "Equals"), "a=b");
  EXPECT_EQ(Find(text, "Panel", "Empty"), "");
  EXPECT_EQ(Find(text, "Panel", "Late"), "<missing>");  // only the first section of a name counts
  EXPECT_EQ(Find(text, "Panel", "Key"), "<missing>");
  EXPECT_EQ(Find(text, "Other", "Key"), "other");
  EXPECT_EQ(Find(text, "Missing", "Key"), "<missing>");
  EXPECT_EQ(Find("", "Panel", "Key"), "<missing>");
  EXPECT_EQ(Find("Key=outside\n[Panel]\n", "Panel", "Key"), "<missing>");
}

TEST(IniText, WritesChangeOnlyTheirLine) {
  const std::string text =
      "; settings\r\n"
      "[Panel]\r\n"
      "  Connect = 1\r\n"
      "Tollerance=0.01\r\n"
      "; a comment after the keys\r\n"
      "\r\n"
      "[Other]\r\n"
      "Connect=5\r\n";
  EXPECT_EQ(SetIniValue(text, "panel", "CONNECT", "0"),
            "; settings\r\n[Panel]\r\nConnect=0\r\nTollerance=0.01\r\n; a comment after the keys\r\n\r\n"
            "[Other]\r\nConnect=5\r\n");
  // A new key goes after the section's last key line.
  EXPECT_EQ(SetIniValue(text, "Panel", "Side1", " "),
            "; settings\r\n[Panel]\r\n  Connect = 1\r\nTollerance=0.01\r\nSide1=\r\n; a comment after the keys\r\n"
            "\r\n[Other]\r\nConnect=5\r\n");
  // A new section goes at the end, with the file's own line ends.
  EXPECT_EQ(SetIniValue("[A]\nx=1\n", "B", "y", "2"), "[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(SetIniValue("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(SetIniValue("", "Panel", "Connect", "1"), "[Panel]\r\nConnect=1\r\n");
  // The section is the file's last and has no line end at its end.
  EXPECT_EQ(SetIniValue("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
  EXPECT_EQ(SetIniValue("[A]", "A", "y", "2"), "[A]\r\ny=2\r\n");
  // Only the first section of a name is changed, and a key line without "=" is a key.
  EXPECT_EQ(SetIniValue("[A]\nBare\n[a]\nx=1\n", "A", "x", "2"), "[A]\nBare\nx=2\n[a]\nx=1\n");
  EXPECT_EQ(SetIniValue("[A]\nBare\n", "A", "bare", "v"), "[A]\nBare=v\n");
}

}  // namespace
}  // namespace dxfelem
