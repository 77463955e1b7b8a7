#include "media/desktop/InputTrace.h"

#include <cstdlib>

namespace zarvel {

InputTrace::InputTrace() {
  const char* path = std::getenv("ZARVEL_INPUT_TRACE");
  if (path && *path) file_ = std::fopen(path, "a");
}

InputTrace::~InputTrace() {
  if (file_) std::fclose(file_);
}

void InputTrace::CharAsked(int code) {
  if (!file_) return;
  if (code != 0) {
    std::fprintf(file_, "char %d\n", code);
    std::fflush(file_);
    readyWritten_ = false;
  } else if (!readyWritten_) {
    Write("ready");
  }
}

void InputTrace::KeyAwaited() {
  if (file_) Write("ready");
}

void InputTrace::Write(const char* line) {
  std::fputs(line, file_);
  std::fputc('\n', file_);
  std::fflush(file_);
  readyWritten_ = true;
}

}  // namespace zarvel
