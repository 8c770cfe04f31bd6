// The element file, byte for byte, the rounding of its numbers, and the
// thread that writes it behind the conversion.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "conversion/conversion_job.h"
#include "conversion/process_step.h"
#include "conversion/write_step.h"
#include "geometry/profile_chaining.h"
#include "output/grid_number_text.h"
#include "output/round_to_grid.h"
#include "output/text_element_writer.h"
#include "platform/c_number_text.h"
#include "platform/text_output_file.h"
#include "platform/write_behind.h"
#include "support/temp_dir.h"

namespace dxfelem {
namespace {

const std::string kSpaces63(63, ' ');
const std::string kLayerAndTag = "0" + kSpaces63 + ",*" + kSpaces63;

std::string WriteAndRead(const Drawing& drawing, int decimals) {
  EXPECT_TRUE(WriteTextElementFile(drawing, decimals));
  return test::ReadFileBytes(drawing.name());
}

TEST(RoundToGrid, HalvesAwayFromZeroWithinTheLimits) {
  EXPECT_EQ(RoundToGrid(2.5, 1.0), 3.0);
  EXPECT_EQ(RoundToGrid(-2.5, 1.0), -3.0);
  EXPECT_EQ(RoundToGrid(0.5, 1.0), 1.0);
  EXPECT_EQ(RoundToGrid(-0.49, 1.0), 0.0);
  EXPECT_FALSE(std::signbit(RoundToGrid(-0.00004, 10000.0)));  // the integer 0 is positive zero
  EXPECT_EQ(RoundToGrid(0.125, 100.0), 0.13);
  // 1.005 is slightly below 1.005 as a double: it goes down.
  EXPECT_EQ(RoundToGrid(1.005, 100.0), 1.0);
  EXPECT_EQ(RoundToGrid(2147483640.0, 1.0), 2147483640.0);
  EXPECT_EQ(RoundToGrid(2147483639.6, 1.0), 2147483640.0);
  EXPECT_EQ(RoundToGrid(-2147483639.6, 1.0), -2147483640.0);
  // Beyond the limit once scaled: unchanged.
  EXPECT_EQ(RoundToGrid(2147483640.25, 1.0), 2147483640.25);
  EXPECT_EQ(RoundToGrid(-2147483640.25, 1.0), -2147483640.25);
  EXPECT_EQ(RoundToGrid(21474836.4123, 100.0), 21474836.4123);
  EXPECT_TRUE(std::isnan(RoundToGrid(std::numeric_limits<double>::quiet_NaN(), 100.0)));
  EXPECT_EQ(RoundToGrid(-std::numeric_limits<double>::infinity(), 100.0), -std::numeric_limits<double>::infinity());
}

TEST(GridNumberText, SameDigitsAsPrintfOfTheRoundedNumber) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> spread(-3e7, 3e7);
  std::vector<double> values = {0.0,
                                -0.0,
                                0.0049999,
                                -0.0049999,
                                0.005,
                                -0.005,
                                2147483.64,
                                -2147483.64,
                                21474836.40,
                                21474836.41,
                                1e-300,
                                1e300,
                                -1e300,
                                12.345,
                                -12.345,
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity()};
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::pow(10.0, static_cast<double>(random() % 12) - 5.0);
    values.push_back(spread(random) * magnitude / 3e7);
    values.push_back(std::round(spread(random)) / 1000.0 + 0.0005);  // ties of the grid
  }
  const double factors[] = {100.0, 1000.0, 10000.0, 100000.0, 1000000.0};
  for (double value : values) {
    for (int decimals = 3; decimals <= 7; ++decimals) {
      char fast[kFixedTextCapacity];
      char slow[kFixedTextCapacity];
      FormatGridNumber(fast, value, decimals);
      FormatFixed(slow, RoundToGrid(value, factors[decimals - 3]), decimals);
      ASSERT_STREQ(fast, slow) << value << " with " << decimals;
    }
  }
}

TEST(ElementFile, HandWorkedLines) {
  test::TempDir dir;
  Drawing drawing(dir.File("out.txt"));
  drawing.StartPath(1, {10, 20, 0}, "0");
  drawing.AddLine(SegmentTarget::kCurrentElement, 1, {10, 20, 0}, {12.346, -0.00004, 1.5}, "0");
  EXPECT_EQ(WriteAndRead(drawing, 3), "INI,     1,10.000      ,20.000      ,0.000       ,0.000       ," + kLayerAndTag +
                                          "\r\n"
                                          "FIN,     1,12.350      ,0.000       ,1.500       ,0.000       ," +
                                          kLayerAndTag + "\r\n");

  drawing.Clear();
  drawing.AddIsolatedPoint(7, {1.234567, -1.234567, 0.000005}, 2.5, "HOLES");
  drawing.AddMacroCall(123456, {0, 0, 0}, "", "HINGE");
  drawing.AddPlacement(1234567, {1, 1, 1}, -90.0, std::string(70, 'L'), "HINGE");
  drawing.AddAttribute(8, {0.5, 0.25, 0}, "POS", "A 1");
  const std::string holes = "HOLES" + std::string(59, ' ');
  const std::string tag = "*" + kSpaces63;
  const std::string hinge = "HINGE" + std::string(59, ' ');
  EXPECT_EQ(WriteAndRead(drawing, 5),
            "ISO,     7,1.23460     ,-1.23460    ,0.00000     ,2.50000     ," + holes + "," + tag + "\r\n" +
                "MCR,123456,0.00000     ,0.00000     ,0.00000     ,0.00000     ," + std::string(64, ' ') + "," + hinge +
                "\r\n" + "APL,1234567,1.00000     ,1.00000     ,1.00000     ,-90.00000   ," + std::string(70, 'L') +
                "," + hinge + "\r\n" + "PAR,     8,0.50000     ,0.25000     ,0.00000     ,0.00000     ,POS" +
                std::string(61, ' ') + ",A 1" + std::string(61, ' ') + "\r\n");

  // A name longer than the room of a buffer, and a line feed in a name, go
  // out as every other name and line feed do.
  drawing.Clear();
  const std::string huge(100000, 'H');
  drawing.AddMacroCall(2, {0, 0, 0}, huge, "A\nB");
  drawing.AddMacroCall(3, {0, 0, 0}, huge, "C");
  const std::string numbers = "0.00000     ,0.00000     ,0.00000     ,0.00000     ,";
  EXPECT_EQ(WriteAndRead(drawing, 5), "MCR,     2," + numbers + huge + ",A\r\nB" + std::string(61, ' ') + "\r\n" +
                                          "MCR,     3," + numbers + huge + ",C" + std::string(63, ' ') + "\r\n");
}

TEST(ElementFile, EveryNumberOfDecimals) {
  test::TempDir dir;
  Drawing drawing(dir.File("out.txt"));
  drawing.AddIsolatedPoint(1, {3.14159265, -2.71828183, 123456.123456789}, 0.0, "0");
  const char* expected[] = {
      "3.140       ,-2.720      ,123456.120  ,0.000       ,",  // 3: the last digit is always 0
      "3.1420      ,-2.7180     ,123456.1230 ,0.0000      ,",  // 4
      "3.14160     ,-2.71830    ,123456.12350,0.00000     ,",  // 5
      // 6 and 7: 123456.12... times 10^5 or 10^6 is beyond the grid's limit,
      // so that number is written with the C library's rounding alone.
      "3.141590    ,-2.718280   ,123456.123457,0.000000    ,",
      "3.1415930   ,-2.7182820  ,123456.1234568,0.0000000   ,",
  };
  for (int decimals = 3; decimals <= 7; ++decimals) {
    EXPECT_EQ(WriteAndRead(drawing, decimals),
              std::string("ISO,     1,") + expected[decimals - 3] + kLayerAndTag + "\r\n")
        << decimals;
  }
  // Settings outside 3..7 are held to the nearest.
  EXPECT_EQ(WriteAndRead(drawing, 0), WriteAndRead(drawing, 3));
  EXPECT_EQ(WriteAndRead(drawing, 12), WriteAndRead(drawing, 7));
  // Too large for the grid: written with the C library's own rounding.
  drawing.Clear();
  drawing.AddIsolatedPoint(1, {1e20, -30000000.123456, 0}, 0.0, "0");
  EXPECT_EQ(WriteAndRead(drawing, 3),
            "ISO,     1,100000000000000000000.000,-30000000.123,0.000       ,0.000       ," + kLayerAndTag + "\r\n");
}

TEST(ElementFile, CodesWithoutMnemonicAndEmptyDrawings) {
  test::TempDir dir;
  Drawing drawing(dir.File("out.txt"));
  dir.Write("out.txt", "an older element file");
  EXPECT_EQ(WriteAndRead(drawing, 5), "");  // created or truncated
  drawing.StartPath(1, {0, 0, 0}, "0");
  drawing.current()->nodes()[0].code = 12;
  drawing.elements().emplace_back(drawing.names().Intern("empty"));  // an element without nodes writes nothing
  EXPECT_EQ(WriteAndRead(drawing, 3).substr(0, 10), "NUL,     1");
  EXPECT_EQ(NodeMnemonic(11), "NUL");
  EXPECT_EQ(NodeMnemonic(-1), "NUL");
  EXPECT_EQ(NodeMnemonic(kNodeTxt), "TXT");
}

TEST(WriteStep, UnwritableFilesAreCode8AndTheOldFileStays) {
  test::TempDir dir;
  for (const std::string& target : {dir.File("missing/out.txt"), dir.File("readonly.txt"), dir.File("folder")}) {
    dir.Write("readonly.txt", "keep me");
    chmod(dir.File("readonly.txt").c_str(), 0444);
    std::filesystem::create_directories(dir.File("folder"));
    ConversionJob job("in.dxf", target);
    ElementWriting writing(job);
    job.drawing->StartPath(1, {0, 0, 0}, "0");
    job.drawing->StartPath(2, {1, 0, 0}, "0");  // the first one is streamed
    const StatusInfo status = writing.Finish();
    EXPECT_EQ(status.errorCode, 8) << target;
    EXPECT_EQ(status.status, 508);
    EXPECT_EQ(status.hasFileName, 1);
    EXPECT_EQ(status.fileName, target);
    EXPECT_EQ(job.drawing, nullptr);  // released either way
    EXPECT_EQ(test::ReadFileBytes(dir.File("readonly.txt")), "keep me");
    EXPECT_EQ(test::EntriesIn(dir.path()), 2u) << "no temporary file is left behind";
  }
  ConversionJob job("in.dxf", dir.File("good.txt"));
  job.parameters.DecimaliTxt = 3;
  ElementWriting writing(job);
  job.drawing->AddIsolatedPoint(1, {1, 2, 3}, 0.0, "0");
  EXPECT_TRUE(writing.Finish().ok());
  EXPECT_EQ(job.drawing, nullptr);
  EXPECT_EQ(test::ReadFileBytes(dir.File("good.txt")).substr(0, 35), "ISO,     1,1.000       ,2.000      ");
}

// Without chaining every element is processed and written as soon as the
// next one starts: the drawing never holds more than one, and the file is
// the one the whole drawing would have made.
TEST(WriteStep, WithoutChainingElementsAreWrittenAsTheyAreFinished) {
  test::TempDir dir;
  auto build = [](Drawing& drawing) {
    for (int i = 0; i < 1000; ++i) {
      drawing.AddLine(SegmentTarget::kNewElement, i + 1, {0, 0, 0}, {1.0 * i, 2, 0}, i % 2 ? "A" : "B");
      if (i % 3 == 0)
        drawing.AddArc(SegmentTarget::kCurrentElement, i + 1, {1.0 * i, 2, 0}, {i + 1.0, 3, 0}, {i + 2.0, 2, 0}, "A");
      if (i % 7 == 0) drawing.AddMacroCall(i + 1, {1, 1, 0}, "M", "BLOCK");
    }
  };
  Drawing whole(dir.File("whole.txt"));
  build(whole);
  ReverseAll(whole);
  ASSERT_TRUE(WriteTextElementFile(whole, 4));

  ConversionJob job("in.dxf", dir.File("streamed.txt"));
  job.parameters.DecimaliTxt = 4;
  job.parameters.InvProfili = 1;  // processed one by one: each turned round
  ElementWriting writing(job);
  build(*job.drawing);
  EXPECT_EQ(job.drawing->elements().size(), 1u);
  ProcessDrawing(job);
  EXPECT_TRUE(writing.Finish().ok());
  EXPECT_EQ(test::ReadFileBytes(dir.File("streamed.txt")), test::ReadFileBytes(dir.File("whole.txt")));
  EXPECT_GT(test::ReadFileBytes(dir.File("whole.txt")).size(), 300000u);
}

TEST(TextOutputFile, AnAbandonedFileLeavesTheOldOneAndNoTrace) {
  test::TempDir dir;
  const std::string path = dir.Write("out.txt", "the user's file");
  {
    TextOutputFile file;
    ASSERT_TRUE(file.Open(path));
    file.Write(std::string(600000, 'x') + "\n");  // buffers in flight on the writer thread
    // The new content is beside it (unnamed where the file system can), not in it.
    EXPECT_LE(test::EntriesIn(dir.path()), 2u);
    EXPECT_EQ(test::ReadFileBytes(path), "the user's file");
  }  // destroyed without Commit, as when an exception passes
  EXPECT_EQ(test::ReadFileBytes(path), "the user's file");
  EXPECT_EQ(test::EntriesIn(dir.path()), 1u);

  TextOutputFile file;
  ASSERT_TRUE(file.Open(path));
  file.Write("a\nb");
  file.Write("\n\n");
  EXPECT_TRUE(file.Commit());
  EXPECT_EQ(test::ReadFileBytes(path), "a\r\nb\r\n\r\n");
  EXPECT_EQ(test::EntriesIn(dir.path()), 1u);
}

// Buffers reach the sink whole and in the order handed, each while the
// caller fills the other; a failed write stops the ones after it and is
// told by the next Hand() or by Finish().
TEST(WriteBehind, WritesInOrderAndReportsTheFirstFailure) {
  for (int failAt : {-1, 0, 3, 9}) {
    std::string written;
    int calls = 0;
    WriteBehind writer([&](const char* bytes, std::size_t count) {
      if (calls++ == failAt) return false;
      written.append(bytes, count);
      return true;
    });
    std::vector<std::string> buffers(2);
    std::string expected;
    bool refused = false;
    for (int i = 0; i < 10 && !refused; ++i) {
      std::string& buffer = buffers[i % 2];
      buffer.assign(1000 + i, static_cast<char>('a' + i));
      if (writer.Hand(buffer.data(), buffer.size())) {
        if (failAt < 0 || i < failAt) expected += buffer;
      } else {
        refused = true;
        EXPECT_GE(failAt, 0);
        EXPECT_EQ(i, failAt + 1) << "the failure is told at the next buffer";
      }
    }
    EXPECT_EQ(writer.Finish(), failAt < 0);
    EXPECT_EQ(written, expected) << failAt;
    EXPECT_EQ(calls, failAt < 0 ? 10 : failAt + 1) << "nothing is written after a failure";
  }
}

// A writer destroyed with a buffer in flight (an exception passing) waits
// for it: the sink is never called after the writer is gone.
TEST(WriteBehind, DestroyedWhileWritingWaits) {
  int calls = 0;
  {
    WriteBehind writer([&](const char*, std::size_t) {
      ++calls;
      return true;
    });
    const std::string buffer(100, 'x');
    ASSERT_TRUE(writer.Hand(buffer.data(), buffer.size()));
    ASSERT_TRUE(writer.Hand(buffer.data(), buffer.size()));
  }
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace dxfelem
