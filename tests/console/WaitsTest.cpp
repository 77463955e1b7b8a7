// Waiting for a key: close requests while waiting, and skipped waits.
#include <gtest/gtest.h>

#include "console/Waits.h"
#include "support/TestConsole.h"

namespace zarvel::testing {
namespace {

TEST(WaitForKeyTest, AnyCharacterEndsItAndCloseRequestsAreAsked) {
  TestConsole t;
  t.platform.closeRequests = 1;
  t.platform.batches = {u"",
                        u"\x1b"
                        u"q"};  // one empty poll, then keys
  WaitForKey(t.console);
  EXPECT_EQ(t.platform.confirms, std::vector<std::u16string>{u"Ukončit hru?"});
  EXPECT_EQ(t.platform.keys, std::deque<int>{'q'}) << "one character taken";
  t.platform.closeRequests = 1;
  t.platform.confirmAnswer = true;
  t.platform.keys.clear();
  EXPECT_THROW(WaitForKey(t.console), ProgramEnded);
}

TEST(WaitForKeyTest,
     APlatformThatSkipsWaitsTakesNoInputAndTheObserverHearsEach) {
  TestConsole t;
  t.platform.skipKeyWaits = true;
  t.platform.Type(u"k");
  WaitForKey(t.console);
  WaitKeyPressUnlessSkipped(t.console);
  EXPECT_EQ(t.observer.waits, 2);
  EXPECT_EQ(t.platform.keys, std::deque<int>{'k'});
  EXPECT_EQ(t.platform.waitKeyPresses, 0);
}

}  // namespace
}  // namespace zarvel::testing
