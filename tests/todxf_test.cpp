// dxfelem todxf: the element file as a plain DXF, read back with ezdxf
// (Debian's python3-ezdxf), the same geometry within 1e-6.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "support/tool_run.h"

namespace dxfelem {
namespace {

TEST(ToDxf, TheElementFilesGeometryReadsBackWithEzdxf) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ezdxf (python3-ezdxf) is not installed: the DXF was not read back";
  }
  test::TempDir dir;
  const std::string ini = dir.File("p.ini");
  std::filesystem::copy_file(DXFELEM_SOURCE_DIR "/examples/panel.ini", ini);
  for (const std::string& drawing : {std::string(DXFELEM_SOURCE_DIR "/examples/panel.dxf"),
                                     std::string(DXFELEM_TEST_DATA "/corpus/r2004-inches-bulges.dxf"),
                                     std::string(DXFELEM_TEST_DATA "/corpus/r13-duplicate-handles-dos850.dxf")}) {
    const std::string elements = dir.File("e.txt");
    const std::string dxf = dir.File("e.dxf");
    ASSERT_EQ(test::RunTool("convert " + test::Quoted(drawing) + " " + test::Quoted(elements) + " --params " +
                            test::Quoted(ini) + " --section Panel")
                  .exitStatus,
              0)
        << drawing;
    test::ToolRun run = test::RunTool("todxf " + test::Quoted(elements) + " -o " + test::Quoted(dxf));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::string check = "/usr/bin/python3 " + test::Quoted(DXFELEM_SOURCE_DIR "/tests/support/check_todxf.py") +
                              " " + test::Quoted(elements) + " " + test::Quoted(dxf);
    std::FILE* pipe = popen(check.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_TRUE(read && std::string(line).rfind("same ", 0) == 0 && status == 0) << drawing << ": " << line;
  }
}

}  // namespace
}  // namespace dxfelem
