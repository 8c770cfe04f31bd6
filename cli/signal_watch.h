// What the tool does when it is told to stop (Ctrl-C, kill, a closed
// terminal): it cleans up after itself, then dies of the signal as any
// program does, so that the shell sees 130, 143 or 129.
//
// INT, TERM and HUP are taken by a thread of their own rather than by a
// handler, so that the cleanup may do what a handler may not (read
// folders, wait for children). SIGPIPE and SIGXFSZ are ignored, so that a
// closed pipe or a file size limit is a failed write with its message and
// exit status 1, not a silent death.
#pragma once

#include <functional>
#include <string>

namespace dxfelem::cli {

// Starts the watch; call it first in main, before any other thread exists,
// so that every thread leaves the three signals to the watch.
void StartSignalWatch();

// Runs `cleanup` when a stopping signal arrives (in the watch's thread,
// while the rest of the tool goes on: it must not wait for the main thread).
// Returns a number for ForgetCleanup.
int OnStop(std::function<void()> cleanup);
void ForgetCleanup(int number);

// Removes the temporary files this process made beside `path` while
// replacing it ("NAME.~PID-N.tmp"), where the file system makes no
// unnamed files.
void RemoveOwnTemporaries(const std::string& path);

}  // namespace dxfelem::cli
