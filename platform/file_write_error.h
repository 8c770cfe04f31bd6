// The exception a failed write raises once a file is open: it ends the whole
// call through the entry point's guard, and the file being written is
// discarded on the way out.
#pragma once

#include <stdexcept>
#include <string>

namespace dxfelem {

class FileWriteError : public std::runtime_error {
 public:
  explicit FileWriteError(const std::string& path) : std::runtime_error("cannot write " + path) {}
};

}  // namespace dxfelem
