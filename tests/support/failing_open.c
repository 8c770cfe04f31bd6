/* Loaded with LD_PRELOAD into a run of the tool: the Nth opening of a file
 * with a given name fails, as when a process runs out of descriptors or a
 * share goes away between two reads.
 *   DXFELEM_FAIL_OPEN_NAME   the file name (the last part of the path)
 *   DXFELEM_FAIL_OPEN_AT     which opening fails, from 1
 *   DXFELEM_FAIL_OPEN_ERRNO  the error it fails with (EMFILE by default)
 * With DXFELEM_NO_TMPFILE set, every unnamed temporary file (O_TMPFILE)
 * fails with EOPNOTSUPP, as on NFS, CIFS or vfat.
 * With DXFELEM_COUNT_OPEN_LOG set, every opening of the file named by
 * DXFELEM_FAIL_OPEN_NAME adds a line to that log (and none fails without
 * DXFELEM_FAIL_OPEN_AT).
 * With DXFELEM_SIGNAL_AT_WRITE set to a signal number, the first write into
 * a named temporary file ("....tmp") sends that signal to the process and
 * waits for it to act, as when the user stops a conversion half-way. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int opened;

/* The next definition of a function: dlsym gives it as an object pointer,
 * which ISO C does not convert to a function pointer; the bytes are copied. */
static void Next(const char* symbol, void* function, size_t size) {
  void* address = dlsym(RTLD_NEXT, symbol);
  memcpy(function, &address, size);
}

static void CountOpening(void) {
  const char* log = getenv("DXFELEM_COUNT_OPEN_LOG");
  if (log == NULL) return;
  FILE* (*next)(const char*, const char*) = NULL;
  Next("fopen", &next, sizeof next);
  FILE* file = next(log, "a");
  if (file == NULL) return;
  fputs("opened\n", file);
  fclose(file);
}

static int ShouldFail(const char* path) {
  const char* name = getenv("DXFELEM_FAIL_OPEN_NAME");
  const char* at = getenv("DXFELEM_FAIL_OPEN_AT");
  if (path == NULL || name == NULL) return 0;
  const char* slash = strrchr(path, '/');
  if (strcmp(slash != NULL ? slash + 1 : path, name) != 0) return 0;
  CountOpening();
  if (at == NULL) return 0;
  if (++opened != atoi(at)) return 0;
  const char* error = getenv("DXFELEM_FAIL_OPEN_ERRNO");
  errno = error != NULL ? atoi(error) : EMFILE;
  return 1;
}

FILE* fopen(const char* path, const char* mode) {
  static FILE* (*next)(const char*, const char*);
  if (next == NULL) Next("fopen", &next, sizeof next);
  return ShouldFail(path) ? NULL : next(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
  static FILE* (*next)(const char*, const char*);
  if (next == NULL) Next("fopen64", &next, sizeof next);
  return ShouldFail(path) ? NULL : next(path, mode);
}

static int OpenNext(const char* symbol, const char* path, int flags, va_list arguments) {
  int (*next)(const char*, int, ...) = NULL;
  Next(symbol, &next, sizeof next);
  const int mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(arguments, int) : 0;
  if ((flags & O_TMPFILE) == O_TMPFILE && getenv("DXFELEM_NO_TMPFILE") != NULL) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return ShouldFail(path) ? -1 : next(path, flags, mode);
}

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const int result = OpenNext("open", path, flags, arguments);
  va_end(arguments);
  return result;
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const int result = OpenNext("open64", path, flags, arguments);
  va_end(arguments);
  return result;
}

ssize_t write(int descriptor, const void* bytes, size_t count) {
  static ssize_t (*next)(int, const void*, size_t);
  if (next == NULL) Next("write", &next, sizeof next);
  const char* signal = getenv("DXFELEM_SIGNAL_AT_WRITE");
  if (signal != NULL && descriptor > 2) {
    char link[64];
    char name[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = readlink(link, name, sizeof name - 1);
    if (length > 0) {
      name[length] = '\0';
      if (strstr(name, ".tmp") != NULL) {
        kill(getpid(), atoi(signal));
        struct timespec pause = {5, 0};
        nanosleep(&pause, NULL);
      }
    }
  }
  return next(descriptor, bytes, count);
}
