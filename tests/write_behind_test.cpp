#include "platform/write_behind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dxfelem {
namespace {

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
