// Waiting for the player: a key to go on, and the question before quitting.
#include "console/Waits.h"

#include <optional>

#include "console/InputWait.h"
#include "media/Platform.h"

namespace zarvel {

namespace {

void ReportWait(Console& console) {
  if (console.observer) console.observer->OnWaitForKey();
}

}  // namespace

void ConfirmQuit(Platform& platform) {
  if (platform.Confirm(u"Ukončit hru?", false)) platform.EndProgram();
}

void WaitForKey(Console& console) {
  ReportWait(console);
  Platform& platform = console.platform;
  if (platform.SkipsKeyWaits()) return;
  const InputWaitScope waiting(console, {InputWait::Kind::Key});
  // Draws nothing: the last presented frame stays up while the player reads.
  while (platform.NextChar() == 0) {
    if (platform.TakeCloseRequest()) ConfirmQuit(platform);
  }
}

void WaitKeyPressUnlessSkipped(Console& console) {
  ReportWait(console);
  std::optional<InputWaitScope> waiting;
  if (!console.platform.SkipsKeyWaits()) {
    waiting.emplace(console, InputWait(InputWait::Kind::Key));
  }
  console.platform.WaitKeyPress();
}

}  // namespace zarvel
