// Two pieces of work side by side: `beside` on a thread of its own while
// `here` runs on the calling thread, both on the calling thread when the
// system gives no thread. Either's exception is thrown once both finished.
#pragma once

#include <exception>
#include <system_error>
#include <thread>

namespace dxfelem {

template <typename Beside, typename Here>
void RunBeside(Beside&& beside, Here&& here) {
  std::exception_ptr failedBeside;
  const auto guarded = [&] {
    try {
      beside();
    } catch (...) {
      failedBeside = std::current_exception();
    }
  };
  std::thread thread;
  try {
    thread = std::thread(guarded);
  } catch (const std::system_error&) {
    guarded();
  }
  try {
    here();
  } catch (...) {
    if (thread.joinable()) thread.join();
    throw;
  }
  if (thread.joinable()) thread.join();
  if (failedBeside) std::rethrow_exception(failedBeside);
}

}  // namespace dxfelem
