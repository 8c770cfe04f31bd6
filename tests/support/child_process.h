// Running a piece of a test in a child process under resource limits: a
// memory or file size bound holds for the child alone.
#pragma once

#include <functional>

namespace dxfelem::test {

struct ChildLimits {
  long long addressSpaceBytes = 0;  // 0: no limit (always none under AddressSanitizer)
  long long fileSizeBytes = 0;      // 0: no limit; writes beyond it fail
};

// The child's exit status (what `body` returns), or -signal when it was killed.
int RunInChild(const std::function<int()>& body, const ChildLimits& limits);

// True when the tests run under AddressSanitizer, which reserves far more
// address space than any limit a test could set.
bool UnderAddressSanitizer();

}  // namespace dxfelem::test
