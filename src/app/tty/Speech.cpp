#include "Speech.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>

extern char** environ;

namespace zarvel::tty {

void Speech::Say(const std::vector<std::string>& paragraphs) {
  std::string text;
  for (const std::string& paragraph : paragraphs) {
    if (paragraph.empty()) continue;
    if (!text.empty()) text += '\n';
    text += paragraph;
  }
  if (text.empty()) return;
  // "--" so that a text starting with "-" is never taken for an option.
  if (Run({"-l", "cs", "--", text})) speaking_ = true;
}

void Speech::Cancel() {
  if (!speaking_) return;
  speaking_ = false;
  Run({"-C"});
}

bool Speech::Run(const std::vector<std::string>& arguments) {
  if (broken_) return false;
  std::vector<char*> argv;
  static char program[] = "spd-say";
  argv.push_back(program);
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  std::fflush(nullptr);  // the child must not repeat buffered output
  pid_t child = 0;
  if (posix_spawnp(&child, program, nullptr, nullptr, argv.data(), environ) !=
      0) {
    broken_ = true;
    std::fprintf(stderr,
                 "zarvel-tty: --speak needs spd-say (Debian package "
                 "speech-dispatcher with espeak-ng); going on silent\n");
    return false;
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace zarvel::tty
