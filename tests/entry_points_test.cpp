// The exported functions, called through the real shared library the hosts
// load, as a host calls them.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>

#include "dxfelem/dxfelem.h"
#include "interface/entry_frame.h"
#include "support/temp_dir.h"

namespace {

namespace support = dxfelem::test;

using DxfCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*,
                                       ConversionResult*);
using DxfNetCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, int32_t*);
using TxtCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, int32_t,
                                       double*, double*, int32_t, ConversionResult*);
using TxtNetCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, int32_t,
                                          double*, double*, int32_t, int32_t*);

// A record full of garbage, as a host may pass it.
ConversionResult GarbageRecord() {
  ConversionResult record;
  std::memset(&record, 0xAB, sizeof record);
  return record;
}

class EntryPoints : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = dlopen(DXFELEM_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
  }
  static void TearDownTestSuite() {
    if (library_ != nullptr) dlclose(library_);
    library_ = nullptr;
  }
  template <typename Function>
  static Function Resolve(const char* name) {
    void* symbol = dlsym(library_, name);
    EXPECT_NE(symbol, nullptr) << name;
    return reinterpret_cast<Function>(symbol);
  }

  int32_t Convert(const std::string& dxf, ConversionResult& record) {
    return Resolve<DxfCall>("DxfToTxt")("", "", dxf.c_str(), dir_.File("out.txt").c_str(), done_.c_str(), &record);
  }

  static void* library_;
  support::TempDir dir_;
  std::string done_ = dir_.File("done.txt");
};

void* EntryPoints::library_ = nullptr;

bool AllZero(const char* bytes, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

// A failed call copies every field of the job's status: texts with a bounded
// copy, so even the garbage after the terminating zero is gone.
void ExpectFailureRecord(const ConversionResult& record, int32_t code, const std::string& fileName) {
  EXPECT_EQ(record.errorCode, code);
  EXPECT_EQ(record.status, 500 + code);
  EXPECT_EQ(record.hasFileName, fileName.empty() ? 0 : 1);
  ASSERT_LT(fileName.size(), sizeof record.fileName);
  EXPECT_EQ(std::string(record.fileName), fileName);
  EXPECT_TRUE(AllZero(record.fileName + fileName.size(), sizeof record.fileName - fileName.size()));
  EXPECT_TRUE(AllZero(record.reservedText2, 256));
  EXPECT_TRUE(AllZero(record.reservedText3, 256));
  EXPECT_TRUE(AllZero(record.reservedText4, 256));
  EXPECT_EQ(record.reservedValue1, 0);
  EXPECT_EQ(record.reservedValue2, 0);
}

TEST_F(EntryPoints, ExportsTheSixFunctions) {
  for (const char* name : {"DxfToTxt", "DxfToTxtNet", "DxfToLayersNet", "DxfToBlocksNet", "TxtToTxt", "TxtToTxtNet"}) {
    EXPECT_NE(dlsym(library_, name), nullptr) << name;
  }
  // Nothing of the library's insides is visible.
  EXPECT_EQ(dlsym(library_, "_ZN7dxfelem16CheckDxfSignatureERNS_13TextInputFileE"), nullptr);
}

TEST_F(EntryPoints, MissingDxfFileIsCode8WithItsName) {
  support::TempDir dir;
  std::string missing = dir.File("no such drawing.dxf");
  dir_.Write("done.txt", "0123456789 an older, longer completion file");
  ConversionResult record = GarbageRecord();
  EXPECT_EQ(Convert(missing, record), 0);
  ExpectFailureRecord(record, 8, missing);
  // Overwritten, not appended to.
  EXPECT_EQ(support::ReadFileBytes(done_), "1");

  int32_t cell = -12345;
  auto net = Resolve<DxfNetCall>("DxfToTxtNet");
  EXPECT_EQ(net("", "", missing.c_str(), dir_.File("out.txt").c_str(), done_.c_str(), &cell), 0);
  EXPECT_EQ(cell, 8);
  EXPECT_EQ(support::ReadFileBytes(done_), "1");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out.txt")));
}

TEST_F(EntryPoints, FilesThatAreNotDxfAreCode13) {
  const std::string tenMegabyteLine(10 * 1024 * 1024, '0');
  const std::string binary("\x00\x01\x02\xff\xfe\x1a\x00SECTION", 15);
  for (const std::string& bytes :
       {std::string(), std::string("hello\nworld\n"), binary, std::string("AutoCAD Binary DXF\r\n\x1a"),
        tenMegabyteLine + "\nSECTION\n", std::string("0\nsection\n")}) {
    ConversionResult record = GarbageRecord();
    std::remove(done_.c_str());
    EXPECT_EQ(Convert(dir_.Write("a.dxf", bytes), record), 0);
    ExpectFailureRecord(record, 13, "");
    EXPECT_EQ(support::ReadFileBytes(done_), "1");
  }
}

TEST_F(EntryPoints, DxfWithoutElementsIsCode41) {
  // A layer named "0" and an entity nobody converts: nothing becomes an element.
  std::string dxf = dir_.Write("a.dxf",
                               "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nSPLINE\r\n  8\r\n0\r\n"
                               "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
  ConversionResult record = GarbageRecord();
  EXPECT_EQ(Convert(dxf, record), 0);
  ExpectFailureRecord(record, 41, "");
  int32_t cell = 77;
  auto net = Resolve<DxfNetCall>("DxfToTxtNet");
  EXPECT_EQ(net("", "", dxf.c_str(), dir_.File("out.txt").c_str(), done_.c_str(), &cell), 0);
  EXPECT_EQ(cell, 41);
}

TEST_F(EntryPoints, TruncatedDrawingsAreCode14InTheSectionsAnd4InTheEntities) {
  const std::string header = "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$INSUNITS\r\n 70\r\n";
  const std::string nulBytes = std::string("0\nSECTION\n2\nTABLES\n") + std::string(5000, '\0');
  for (const std::string& bytes : {header, nulBytes, std::string("0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n")}) {
    ConversionResult record = GarbageRecord();
    EXPECT_EQ(Convert(dir_.Write("a.dxf", bytes), record), 0);
    ExpectFailureRecord(record, 14, "");
  }
  const std::string entities = "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nCUT\n10\n1.5\n20\n";
  ConversionResult record = GarbageRecord();
  EXPECT_EQ(Convert(dir_.Write("a.dxf", entities), record), 0);
  ExpectFailureRecord(record, 4, "");
  int32_t cell = -1;
  auto net = Resolve<DxfNetCall>("DxfToTxtNet");
  EXPECT_EQ(net("", "", dir_.File("a.dxf").c_str(), dir_.File("out.txt").c_str(), done_.c_str(), &cell), 0);
  EXPECT_EQ(cell, 4);
  // A drawing that ends at its EOF before any ENTITIES section has no elements.
  record = GarbageRecord();
  EXPECT_EQ(Convert(dir_.Write("a.dxf", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n"), record), 0);
  ExpectFailureRecord(record, 41, "");
}

TEST_F(EntryPoints, LongFileNamesFillTheFieldWithoutTerminator) {
  for (std::size_t length : {255u, 256u, 300u}) {
    std::string missing = dir_.path().string() + "/";
    missing += std::string(length - missing.size(), 'n');
    ConversionResult record = GarbageRecord();
    EXPECT_EQ(Convert(missing, record), 0);
    EXPECT_EQ(record.errorCode, 8);
    EXPECT_EQ(std::string(record.fileName, std::min<std::size_t>(length, 256)), missing.substr(0, 256));
    if (length == 255) {
      EXPECT_EQ(record.fileName[255], 0);
    }
  }
}

TEST_F(EntryPoints, CompletionFileThatCannotBeCreatedIsIgnored) {
  ConversionResult record = GarbageRecord();
  std::string dxf = dir_.Write("a.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  auto call = Resolve<DxfCall>("DxfToTxt");
  std::string done = dir_.File("no/such/folder/done.txt");
  EXPECT_EQ(call("", "", dxf.c_str(), dir_.File("out.txt").c_str(), done.c_str(), &record), 0);
  EXPECT_EQ(record.errorCode, 41);
  EXPECT_FALSE(std::filesystem::exists(done));
  // An element file without a name cannot be written: code 8.
  record = GarbageRecord();
  const std::string line = dir_.Write("l.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n11\n1\n0\nENDSEC\n0\nEOF\n");
  EXPECT_EQ(call("", "", line.c_str(), "", "", &record), 0);
  EXPECT_EQ(record.errorCode, 8);
  // Null texts from a careless caller are empty names, not a crash.
  record = GarbageRecord();
  EXPECT_EQ(call(nullptr, nullptr, nullptr, nullptr, nullptr, &record), 0);
  EXPECT_EQ(record.errorCode, 8);
}

TEST_F(EntryPoints, ListingAndRewritingReportMissingFiles) {
  // The listings report a missing drawing like a conversion: code 8.
  int32_t cell = -1;
  EXPECT_EQ(Resolve<DxfNetCall>("DxfToLayersNet")("", "", "missing.dxf", "list.txt", done_.c_str(), &cell), 0);
  EXPECT_EQ(cell, 8);
  cell = -1;
  EXPECT_EQ(Resolve<DxfNetCall>("DxfToBlocksNet")("", "", "missing.dxf", "list.txt", done_.c_str(), &cell), 0);
  EXPECT_EQ(cell, 8);
  // An element file that cannot be read: code 8 with its name, and no
  // completion file; the operands are left alone.
  double value1 = 1.5;
  double value2 = 2.5;
  ConversionResult record = GarbageRecord();
  std::remove(done_.c_str());
  const std::string missing = dir_.File("missing.txt");
  EXPECT_EQ(Resolve<TxtCall>("TxtToTxt")("", "", missing.c_str(), done_.c_str(), "L", 1, &value1, &value2, 0, &record),
            0);
  ExpectFailureRecord(record, 8, missing);
  EXPECT_FALSE(std::filesystem::exists(done_));
  cell = -1;
  EXPECT_EQ(
      Resolve<TxtNetCall>("TxtToTxtNet")("", "", missing.c_str(), done_.c_str(), "L", 4, &value1, &value2, 0, &cell),
      0);
  EXPECT_EQ(cell, 8);
  EXPECT_EQ(value1, 1.5);
  EXPECT_EQ(value2, 2.5);
}

}  // namespace

// The frame around every exported function, driven with bodies that
// succeed, fail, run out of memory or throw.
namespace dxfelem {
namespace {

// The reset state: the texts empty, but only their first byte is cleared.
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
