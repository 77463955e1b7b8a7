#include "RunToEnd.h"

#include <cstdio>

#include "media/Platform.h"
#include "shell/Shell.h"

namespace zarvel::tty {

int RunToEnd(Game& game) {
  int status = 0;
  try {
    Main(game);
  } catch (const ProgramEnded& ended) {
    status = ended.status;
  } catch (const InputExhausted&) {
    status = 0;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace zarvel::tty
