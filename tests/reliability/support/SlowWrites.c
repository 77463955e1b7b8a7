// LD_PRELOAD shim for a slow disk: writes into files whose name ends with
// ZARVEL_SLOW_WRITE_SUFFIX go through at most 64 bytes at a time with a
// pause of 1 ms before each piece (a short write, which the writer must
// continue). It widens the moment in which a kill finds a file half written.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int IsSlowFile(int fd) {
  const char* suffix = getenv("ZARVEL_SLOW_WRITE_SUFFIX");
  if (suffix == NULL || fd < 0) return 0;
  char link[64];
  char path[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, path, sizeof path - 1);
  if (length <= 0) return 0;
  path[length] = '\0';
  const size_t suffix_length = strlen(suffix);
  return (size_t)length >= suffix_length &&
         strcmp(path + length - suffix_length, suffix) == 0;
}

ssize_t write(int fd, const void* buffer, size_t count) {
  static ssize_t (*next)(int, const void*, size_t);
  if (next == NULL) next = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
  if (count > 64 && IsSlowFile(fd)) {
    const struct timespec pause = {0, 1000 * 1000};
    nanosleep(&pause, NULL);
    count = 64;
  }
  return next(fd, buffer, count);
}
