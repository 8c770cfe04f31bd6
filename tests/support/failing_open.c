/* Loaded with LD_PRELOAD into a run of the tool: the Nth opening of a file
 * with a given name fails, as when a process runs out of descriptors or a
 * share goes away between two reads.
 *   DXFELEM_FAIL_OPEN_NAME   the file name (the last part of the path)
 *   DXFELEM_FAIL_OPEN_AT     which opening fails, from 1
 *   DXFELEM_FAIL_OPEN_ERRNO  the error it fails with (EMFILE by default) */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int opened;

/* The next definition of a function: dlsym gives it as an object pointer,
 * which ISO C does not convert to a function pointer; the bytes are copied. */
static void Next(const char* symbol, void* function, size_t size) {
  void* address = dlsym(RTLD_NEXT, symbol);
  memcpy(function, &address, size);
}

static int ShouldFail(const char* path) {
  const char* name = getenv("DXFELEM_FAIL_OPEN_NAME");
  const char* at = getenv("DXFELEM_FAIL_OPEN_AT");
  if (path == NULL || name == NULL || at == NULL) return 0;
  const char* slash = strrchr(path, '/');
  if (strcmp(slash != NULL ? slash + 1 : path, name) != 0) return 0;
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
