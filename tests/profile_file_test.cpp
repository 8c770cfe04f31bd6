// The private-profile file: defaults, limits, and writes that never lose
// the user's file; the INI text read and changed by the rules of the
// Windows private-profile functions.
#include "platform/profile_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "platform/ini_text.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

TEST(ProfileFile, ValuesDefaultsAndLimits) {
  test::TempDir dir;
  ProfileFile file(dir.Write("p.ini", "[S]\nA=12abc\nB=abc\nC=\nD=-7\nE=" + std::string(300, 'x') +
                                          "\nF=1e999\nG=4294967297\nH=-4294967297\nI=0x10\n"));
  EXPECT_EQ(file.GetInt("S", "A", 5), 12);
  EXPECT_EQ(file.GetInt("S", "B", 5), 0);
  EXPECT_EQ(file.GetInt("S", "C", 5), 5);  // an empty value gives the default
  EXPECT_EQ(file.GetInt("S", "D", 5), -7);
  EXPECT_EQ(file.GetInt("S", "F", 5), 1);
  // Modulo 2^32 as with the Windows function; decimal only.
  EXPECT_EQ(file.GetInt("S", "G", 5), 1);
  EXPECT_EQ(file.GetInt("S", "H", 5), -1);
  EXPECT_EQ(file.GetInt("S", "I", 5), 0);
  EXPECT_EQ(file.GetInt("S", "missing", 5), 5);
  EXPECT_EQ(file.GetString("S", "C", "dflt"), "");
  EXPECT_EQ(file.GetString("S", "missing", "dflt  "), "dflt");
  EXPECT_EQ(file.GetString("S", "E", ""), std::string(259, 'x'));
  EXPECT_EQ(file.GetString("S", "E", "", 1000), std::string(300, 'x'));

  ProfileFile missing(dir.File("none.ini"));
  EXPECT_EQ(missing.GetString("S", "A", "0.001"), "0.001");
  EXPECT_EQ(missing.GetInt("S", "A", 8), 8);
  // A device (this one endless) is no parameter file: it takes no writes.
  EXPECT_FALSE(ProfileFile("/dev/zero").WriteString("S", "A", "1"));
  ProfileFile unnamed("");
  EXPECT_EQ(unnamed.GetInt("S", "A", 3), 3);
  EXPECT_FALSE(unnamed.WriteString("S", "A", "1"));
}

TEST(ProfileFile, FileNamesIgnoreCaseLikeTheHosts) {
  test::TempDir dir;
  dir.Write("rozoz.ini", "[Pelvor]\nPieceVars=1;2\n");
  ProfileFile file(dir.File("ROZOZ.INI"));
  EXPECT_EQ(file.GetString("pelvor", "piecevars", ""), "1;2");
  ASSERT_TRUE(file.WriteString("Pelvor", "X", "1"));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(dir.File("rozoz.ini")), "[Pelvor]\nPieceVars=1;2\nX=1\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("ROZOZ.INI")));
  EXPECT_TRUE(file.SharesFileWith(ProfileFile(dir.File("rozoz.ini"))));
  EXPECT_FALSE(file.SharesFileWith(ProfileFile(dir.File("other.ini"))));
}

// Writes stay in memory until Save(), which replaces the file once: other
// handles see them only then.
TEST(ProfileFile, WritesReachTheFileInOneSaveAndKeepPermissions) {
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "[S]\r\nA=1\r\n");
  chmod(path.c_str(), 0640);
  ProfileFile writer(path);
  ProfileFile reader(path);
  EXPECT_EQ(reader.GetInt("S", "A", 0), 1);
  ASSERT_TRUE(writer.WriteString("S", "A", "2"));
  ASSERT_TRUE(writer.WriteString("S", "B", "3"));
  EXPECT_EQ(writer.GetInt("S", "A", 0), 2);  // the writer reads its own writes
  EXPECT_EQ(reader.GetInt("S", "A", 0), 1);
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nA=1\r\n");
  ASSERT_TRUE(writer.Save());
  EXPECT_EQ(reader.GetInt("S", "A", 0), 2);  // a second handle sees the new file
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nA=2\r\nB=3\r\n");
  struct stat status;
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);

  ProfileFile created(dir.File("new.ini"));
  ASSERT_TRUE(created.WriteString("Panel", "Connect", "1"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("new.ini")));
  ASSERT_TRUE(created.Save());
  EXPECT_EQ(test::ReadFileBytes(dir.File("new.ini")), "[Panel]\r\nConnect=1\r\n");
}

TEST(ProfileFile, UnwritableFilesStayExactlyAsTheyWere) {
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "[S]\nA=1\n");
  chmod(path.c_str(), 0444);
  ProfileFile file(path);
  EXPECT_FALSE(file.WriteString("S", "A", "2"));
  EXPECT_TRUE(file.Save());  // nothing to save
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\nA=1\n");
  ProfileFile nowhere(dir.File("no/folder/p.ini"));
  EXPECT_TRUE(nowhere.WriteString("S", "A", "2"));
  EXPECT_FALSE(nowhere.Save());
  std::filesystem::create_directory(dir.File("folder.ini"));
  EXPECT_FALSE(ProfileFile(dir.File("folder.ini")).WriteString("S", "A", "2"));
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);
}

// A file that is there but cannot be read takes no writes for the rest of
// the handle's life, even once it could be read again: the settings taken
// from it were defaults, and writing them would replace the user's.
TEST(ProfileFile, AFileThatCannotBeReadIsNeverWritten) {
  if (geteuid() == 0)
    GTEST_SKIP()
        << "root reads any file: tests/data/transcripts/parameter-files.t injects the failure";
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "; mine\n[S]\nA=1\n");
  chmod(path.c_str(), 0200);
  ProfileFile file(path);
  EXPECT_EQ(file.GetInt("S", "A", 7), 7);
  chmod(path.c_str(), 0600);
  EXPECT_EQ(file.GetInt("S", "A", 7), 7);
  EXPECT_FALSE(file.WriteString("S", "A", "2"));
  EXPECT_TRUE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(path), "; mine\n[S]\nA=1\n");
}

// Save() reads the file again and applies only this handle's writes: what
// another program wrote since (another conversion's section, a key the
// user added, a key of ours changed) is kept, and where both wrote one key,
// ours wins as the later write.
TEST(ProfileFile, WhatOthersWroteMeanwhileIsKept) {
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "[JobA]\nA=1\n");
  ProfileFile file(path);
  EXPECT_EQ(file.GetInt("JobA", "A", 0), 1);
  ASSERT_TRUE(file.WriteString("JobA", "A", "2"));
  ASSERT_TRUE(file.WriteString("JobA", "New", "x"));
  dir.Write("p.ini", "[JobA]\nA=7\nMine=3\n[JobB]\nB=5\n");
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(path), "[JobA]\nA=2\nMine=3\nNew=x\n[JobB]\nB=5\n");
  // Saved writes are not applied again by a later save.
  dir.Write("p.ini", "[JobA]\nA=9\n");
  ASSERT_TRUE(file.WriteString("JobA", "C", "1"));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(path), "[JobA]\nA=9\nC=1\n");
}

// While another program holds the file's lock, Save() waits for it, within
// a bound; past it the file is left as it was, with nothing beside it.
TEST(ProfileFile, ALockedFileIsWaitedForWithinABound) {
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "[S]\nA=1\n");
  const int holder = open(path.c_str(), O_RDONLY);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  ProfileFile file(path);
  file.SetLockWait(100);
  ASSERT_TRUE(file.WriteString("S", "A", "2"));
  EXPECT_FALSE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\nA=1\n");
  EXPECT_EQ(test::EntriesIn(dir.path()), 1);

  file.SetLockWait(5000);
  ASSERT_TRUE(file.WriteString("S", "A", "3"));
  std::thread release([holder] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    close(holder);
  });
  EXPECT_TRUE(file.Save());
  release.join();
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\nA=3\n");

  // A file that did not exist and could not be written is not left behind.
  const std::string fresh = dir.File("fresh.ini");
  const int saved = test::RunInChild(
      [&fresh] {
        ProfileFile created(fresh);
        return created.WriteString("S", "A", "1") && created.Save() ? 1 : 0;
      },
      {0, 4});
  EXPECT_EQ(saved, 0);
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_EQ(test::EntriesIn(dir.path()), 1);
}

// Every name of a file with hard links sees the new settings: the file is
// rewritten in place, not replaced by a new one under one of its names.
TEST(ProfileFile, HardLinksAllSeeTheNewSettings) {
  test::TempDir dir;
  const std::string path = dir.Write("p.ini", "[S]\nA=1\nLong=" + std::string(100, 'x') + "\n");
  std::filesystem::create_hard_link(path, dir.File("other.ini"));
  struct stat before;
  ASSERT_EQ(stat(path.c_str(), &before), 0);
  ProfileFile file(path);
  ASSERT_TRUE(file.WriteString("S", "Long", "y"));
  ASSERT_TRUE(file.Save());
  EXPECT_EQ(test::ReadFileBytes(dir.File("other.ini")), "[S]\nA=1\nLong=y\n");
  EXPECT_EQ(test::ReadFileBytes(path), "[S]\nA=1\nLong=y\n");
  struct stat after;
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
}

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
