// LD_PRELOAD shim that makes one read of a chosen file fail with EIO, as a
// failing disk would. ZARVEL_FAIL_OPEN_PATH names the file (compared with
// the end of the opened path) and ZARVEL_FAIL_OPEN_NTH says which opening
// for reading only fails (1 = the first). Openings for writing are let
// through and not counted, so checks such as "opens for reading and
// writing" still succeed. Each failure is reported on standard error, so a
// test can tell that the fault was injected at all.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int reads_seen;

static int ShouldFail(const char* path, int read_only) {
  const char* target = getenv("ZARVEL_FAIL_OPEN_PATH");
  const char* nth = getenv("ZARVEL_FAIL_OPEN_NTH");
  if (!read_only || target == NULL || nth == NULL || path == NULL) return 0;
  const size_t length = strlen(path);
  const size_t target_length = strlen(target);
  if (length < target_length ||
      strcmp(path + length - target_length, target) != 0) {
    return 0;
  }
  if (++reads_seen != atoi(nth)) return 0;
  fprintf(stderr, "fault shim: failed reading open #%d of %s\n", reads_seen,
          path);
  errno = EIO;
  return 1;
}

static int ModeReadsOnly(const char* mode) {
  return mode != NULL && mode[0] == 'r' && strchr(mode, '+') == NULL;
}

static int FlagsReadOnly(int flags) { return (flags & O_ACCMODE) == O_RDONLY; }

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

FILE* fopen(const char* path, const char* mode) {
  if (ShouldFail(path, ModeReadsOnly(mode))) return NULL;
  return NEXT(fopen)(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
  if (ShouldFail(path, ModeReadsOnly(mode))) return NULL;
  return NEXT(fopen64)(path, mode);
}

static int TakeMode(int flags, va_list args) {
  return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, int) : 0;
}

int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const int mode = TakeMode(flags, args);
  va_end(args);
  if (ShouldFail(path, FlagsReadOnly(flags))) return -1;
  return NEXT(open)(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const int mode = TakeMode(flags, args);
  va_end(args);
  if (ShouldFail(path, FlagsReadOnly(flags))) return -1;
  return NEXT(open64)(path, flags, mode);
}
