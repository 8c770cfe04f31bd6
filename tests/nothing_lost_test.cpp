// Failures never destroy a file the user had, and every failure names its
// cause: a full disk (a file size limit on a child process, and a small
// tmpfs where one can be mounted), a killed process, links and permissions
// of the files replaced.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "dxfelem/dxfelem.h"
#include "platform/text_output_file.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

std::set<std::string> FileNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// A drawing whose layer and block lists are far larger than 64 KiB.
std::string ManyLayersAndInserts() {
  std::string dxf = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n";
  for (int i = 0; i < 3000; ++i) dxf += "0\nLAYER\n2\nLAYER_WITH_A_LONG_NAME_" + std::to_string(i) + "\n70\n0\n";
  dxf += "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < 3000; ++i) dxf += "0\nINSERT\n8\nL\n2\nBLOCK_WITH_A_LONG_NAME_" + std::to_string(i) + "\n";
  return dxf + "0\nENDSEC\n0\nEOF\n";
}

std::string FileNameOf(const ConversionResult& record) {
  return std::string(record.fileName, strnlen(record.fileName, sizeof record.fileName));
}

// The outcome every call must give when its output cannot be written whole:
// 0, code 8 naming the file, the completion file, the old file intact.
struct Expected {
  std::string file;        // the output the call writes
  std::string oldContent;  // what it held before
  std::string done;        // the completion file
};

// Runs the four writing calls with their outputs in `folder`; `limit`
// (bytes, 0 for none) bounds the size of any file the calls write.
void CheckEveryCallOnAFullDisk(const std::filesystem::path& folder, const test::TempDir& inputs, long long limit) {
  const std::string lines = inputs.Write("lines.dxf", test::LinesDrawing(2000));
  const std::string names = inputs.Write("names.dxf", ManyLayersAndInserts());
  const std::string done = inputs.File("done");
  auto write = [&](const std::string& name, const std::string& bytes) {
    const std::string path = (folder / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
  };
  const std::string out = write("out.txt", "the element file of yesterday");
  const std::string layers = write("layers.txt", "the layers of yesterday");
  const std::string blocks = write("blocks.txt", "the blocks of yesterday");
  // An element file of about 40 KB, whose rewriting with extensions is larger.
  std::string elements;
  for (int i = 0; i < 200; ++i) {
    elements += "INI,     1,0.00000     ,0.00000     ,0.00000     ,0.00000     ,L" + std::string(63, ' ') + ",*" +
                std::string(63, ' ') + "\r\nFIN,     1,10.00000    ,0.00000     ,0.00000     ,0.00000     ,L" +
                std::string(63, ' ') + ",*" + std::string(63, ' ') + "\r\n";
  }
  elements.resize(elements.size() / 2);  // keeps it well inside a 64 KiB disk
  elements.resize(elements.rfind("\r\nINI") + 2);
  const std::string rewritten = write("rewrite.txt", elements);
  const std::set<std::string> before = FileNames(folder);

  struct Call {
    const char* what;
    std::function<int(ConversionResult&)> run;
    Expected expected;
  };
  const Call calls[] = {
      {"conversion",
       [&](ConversionResult& record) { return DxfToTxt("", "", lines.c_str(), out.c_str(), done.c_str(), &record); },
       {out, "the element file of yesterday", done}},
      {"layer listing",
       [&](ConversionResult& record) {
         return DxfToLayersNet("", "", names.c_str(), layers.c_str(), done.c_str(), &record.errorCode);
       },
       {layers, "the layers of yesterday", done}},
      {"block listing",
       [&](ConversionResult& record) {
         return DxfToBlocksNet("", "", names.c_str(), blocks.c_str(), done.c_str(), &record.errorCode);
       },
       {blocks, "the blocks of yesterday", done}},
      {"rewriting",
       [&](ConversionResult& record) {
         double a = 1000.0;
         double b = 1000.0;
         return TxtToTxt("", "", rewritten.c_str(), done.c_str(), "L", 3, &a, &b, 0, &record);
       },
       {rewritten, elements, done}},
  };
  for (const Call& call : calls) {
    std::remove(done.c_str());
    // The child answers 0 when the call gave what it must, else which part failed.
    const int answer = test::RunInChild(
        [&] {
          ConversionResult record{};
          if (call.run(record) != 0) return 1;
          if (record.errorCode != DXFELEM_E_FILE) return 10 + record.errorCode;
          const bool net = std::string(call.what).find("listing") != std::string::npos;
          if (!net && (record.hasFileName != 1 || FileNameOf(record) != call.expected.file)) return 2;
          return 0;
        },
        {0, limit});
    EXPECT_EQ(answer, 0) << call.what << " (10 + n: error code n)";
    EXPECT_EQ(test::ReadFileBytes(call.expected.file), call.expected.oldContent) << call.what;
    EXPECT_EQ(test::ReadFileBytes(done), "1") << call.what << ": the completion file comes after a failure too";
    EXPECT_EQ(FileNames(folder), before) << call.what << ": no temporary file is left behind";
  }
}

TEST(NothingLost, AFileSizeLimitIsAFileThatCannotBeWritten) {
  test::TempDir dir;
  test::TempDir inputs;
  CheckEveryCallOnAFullDisk(dir.path(), inputs, 64 * 1024);
}

TEST(NothingLost, AFullFileSystemIsAFileThatCannotBeWritten) {
  test::TempDir dir;
  test::TempDir inputs;
  if (mount("tmpfs", dir.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0) {
    GTEST_SKIP() << "a 64 KiB tmpfs cannot be mounted here (" << std::strerror(errno)
                 << "); AFileSizeLimitIsAFileThatCannotBeWritten covers the same calls";
  }
  struct Unmount {
    const std::filesystem::path& path;
    ~Unmount() { umount(path.c_str()); }
  } unmount{dir.path()};
  CheckEveryCallOnAFullDisk(dir.path(), inputs, 0);
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
  EXPECT_EQ(FileNames(dir.path()), (std::set<std::string>{"a.dxf", "out.txt", "p.ini"}));
}

// Files are replaced through their links, keeping mode and owner.
TEST(NothingLost, LinksModesAndOwnersOfReplacedFilesStay) {
  test::TempDir dir;
  const std::string dxf = dir.Write("a.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n");
  std::filesystem::create_directory(dir.path() / "real");
  const std::string target = dir.Write("real/out.txt", "old");
  const std::string ini = dir.Write("real/p.ini", "; mine\n[P]\nConnect=0\n");
  chmod(target.c_str(), 0600);
  chmod(ini.c_str(), 0640);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
  }
  std::filesystem::create_symlink("real/out.txt", dir.path() / "out.txt");
  std::filesystem::create_symlink("real/p.ini", dir.path() / "p.ini");

  ConversionResult record{};
  ASSERT_EQ(DxfToTxt(dir.File("p.ini").c_str(), "P", dxf.c_str(), dir.File("out.txt").c_str(), "", &record), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "out.txt"));
  EXPECT_EQ(std::filesystem::read_symlink(dir.path() / "p.ini"), "real/p.ini");
  EXPECT_EQ(test::ReadFileBytes(target).substr(0, 3), "INI");
  EXPECT_NE(test::ReadFileBytes(ini).find("; mine\n[P]\nConnect=0\nSide1="), std::string::npos);
  struct stat status;
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(status.st_uid, 65534u) << "root may give the new version the old owner";
  }
  ASSERT_EQ(stat(ini.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(FileNames(dir.path() / "real"), (std::set<std::string>{"out.txt", "p.ini"}));

  // A link to a file that is not there yet makes the file, not a plain file
  // in place of the link.
  std::filesystem::create_symlink("real/later.txt", dir.path() / "later.txt");
  ASSERT_EQ(DxfToTxt("", "", dxf.c_str(), dir.File("later.txt").c_str(), "", &record), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "later.txt"));
  EXPECT_EQ(test::ReadFileBytes(dir.File("real/later.txt")).substr(0, 3), "INI");
}

// A process killed while it writes leaves nothing behind: the new content
// has no name until it is complete.
TEST(NothingLost, AKilledWriteLeavesNoDebris) {
  test::TempDir dir;
  const int probe = open(dir.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
  if (probe < 0) GTEST_SKIP() << "this file system makes no unnamed files: a named temporary is used instead";
  close(probe);
  const std::string path = dir.Write("out.txt", "the user's file");
  const int answer = test::RunInChild(
      [&] {
        TextOutputFile file;
        if (!file.Open(path)) return 1;
        const std::string line(1000, 'x');
        for (int i = 0; i < 10000; ++i) file.Write(line);
        raise(SIGKILL);
        return 2;
      },
      {});
  EXPECT_EQ(answer, -SIGKILL);
  EXPECT_EQ(test::ReadFileBytes(path), "the user's file");
  EXPECT_EQ(FileNames(dir.path()), std::set<std::string>{"out.txt"});
}

}  // namespace
}  // namespace dxfelem
