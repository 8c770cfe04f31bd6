// The frame around every exported function, driven with bodies that succeed,
// fail, run out of memory or throw.
#include "interface/entry_frame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>

#include "support/temp_dir.h"

namespace dxfelem {
namespace {

ConversionResult GarbageRecord() {
  ConversionResult record;
  std::memset(&record, 0x5A, sizeof record);
  return record;
}

void ExpectResetState(const ConversionResult& record) {
  EXPECT_EQ(record.status, 500);
  EXPECT_EQ(record.errorCode, 0);
  EXPECT_EQ(record.hasFileName, 0);
  EXPECT_EQ(record.fileName[0], 0);
  EXPECT_EQ(record.reservedText2[0], 0);
  EXPECT_EQ(record.reservedText3[0], 0);
  EXPECT_EQ(record.reservedText4[0], 0);
  EXPECT_EQ(record.reservedValue1, 0);
  EXPECT_EQ(record.reservedValue2, 0);
}

class EntryFrame : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string done_ = dir_.Write("done.txt", "old");
};

TEST_F(EntryFrame, SuccessLeavesTheResetRecordAndWritesTheCompletionFile) {
  ConversionResult record = GarbageRecord();
  int32_t returned = RunEntryFrame(&record, nullptr, done_.c_str(), [] { return CallResult{}; });
  EXPECT_EQ(returned, 1);
  ExpectResetState(record);
  EXPECT_EQ(test::ReadFileBytes(done_), "1");
}

TEST_F(EntryFrame, NetCellIsZeroDuringTheCallAndTheCodeAfterIt) {
  int32_t cell = -7;
  int32_t seen = -1;
  int32_t returned = RunEntryFrame(nullptr, &cell, done_.c_str(), [&] {
    seen = cell;
    return CallResult{CallOutcome::kFailed, StatusInfo::FileFailure(8, "x.dxf")};
  });
  EXPECT_EQ(returned, 0);
  EXPECT_EQ(seen, 0);
  EXPECT_EQ(cell, 8);
  EXPECT_EQ(test::ReadFileBytes(done_), "1");
}

TEST_F(EntryFrame, NoMemoryIsCode4WithoutCompletionFile) {
  ConversionResult record = GarbageRecord();
  int32_t cell = -7;
  EXPECT_EQ(RunEntryFrame(&record, nullptr, done_.c_str(), [] { return CallResult{CallOutcome::kNoMemory, {}}; }), 0);
  EXPECT_EQ(record.errorCode, 4);
  EXPECT_EQ(record.status, 504);
  EXPECT_EQ(RunEntryFrame(nullptr, &cell, done_.c_str(), [] { return CallResult{CallOutcome::kNoMemory, {}}; }), 0);
  EXPECT_EQ(cell, 4);
  EXPECT_EQ(test::ReadFileBytes(done_), "old");
}

TEST_F(EntryFrame, AnEscapingExceptionReturnsZeroAndKeepsTheRecord) {
  ConversionResult record = GarbageRecord();
  int32_t returned = RunEntryFrame(&record, nullptr, done_.c_str(),
                                   []() -> CallResult { throw std::runtime_error("a file write failed"); });
  EXPECT_EQ(returned, 0);
  ExpectResetState(record);
  EXPECT_EQ(test::ReadFileBytes(done_), "old");

  int32_t cell = -7;
  returned = RunEntryFrame(nullptr, &cell, done_.c_str(), []() -> CallResult { throw std::bad_alloc(); });
  EXPECT_EQ(returned, 0);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ(test::ReadFileBytes(done_), "old");
}

// A body that succeeds with a code (a rewriting with an unknown operation)
// still has it in the record, and returns 1.
TEST_F(EntryFrame, ASuccessWithACodeKeepsIt) {
  ConversionResult record = GarbageRecord();
  EXPECT_EQ(RunEntryFrame(&record, nullptr, done_.c_str(),
                          [] {
                            return CallResult{CallOutcome::kSucceeded, StatusInfo::Failure(19)};
                          }),
            1);
  EXPECT_EQ(record.status, 519);
  EXPECT_EQ(record.hasFileName, 0);
  EXPECT_EQ(test::ReadFileBytes(done_), "1");
}

TEST(StatusInfo, BoundedCopyOfTexts) {
  ConversionResult record = GarbageRecord();
  StatusInfo status;
  status.Fail(13);
  status.reservedText3 = std::string(256, 'r');
  status.reservedText4 = std::string(1000, 's');
  status.fileName = "short";
  CopyStatusToResult(status, record);
  EXPECT_EQ(record.status, 513);
  EXPECT_EQ(std::string(record.fileName), "short");
  EXPECT_EQ(record.fileName[255], 0);
  EXPECT_EQ(std::string(record.reservedText3, 256), std::string(256, 'r'));
  EXPECT_EQ(std::string(record.reservedText4, 256), std::string(256, 's'));
  // The field after a full text is untouched by the copy of its neighbour.
  EXPECT_EQ(record.reservedValue1, 0);
  EXPECT_EQ(record.errorCode, 13);
}

}  // namespace
}  // namespace dxfelem
