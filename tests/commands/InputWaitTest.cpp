// What the game tells a line-reading front end: each text it prints, and
// each kind of input it waits for, begun and ended in pairs.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "console/Console.h"
#include "console/Prompts.h"
#include "save/Positions.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

class WaitRecorder : public LineRecorder {
 public:
  std::vector<Text> prints;
  std::vector<std::string> waits;  // "+kind choices initial" / "-kind"
  void OnConsolePrint(const Text& text) override { prints.push_back(text); }
  void OnInputWait(const InputWait& wait, bool begins) override {
    std::string entry =
        (begins ? "+" : "-") + std::to_string(static_cast<int>(wait.kind));
    if (begins) {
      entry +=
          " " + std::to_string(wait.choices) + " " + TextToUtf8(wait.initial);
    }
    waits.push_back(entry);
  }
};

class InputWaitTest : public GameFixture {
 protected:
  InputWaitTest() { game.console.observer = &waits; }
  static std::string Begin(InputWait::Kind kind, int choices = 0,
                           const std::string& initial = "") {
    return "+" + std::to_string(static_cast<int>(kind)) + " " +
           std::to_string(choices) + " " + initial;
  }
  static std::string End(InputWait::Kind kind) {
    return "-" + std::to_string(static_cast<int>(kind));
  }
  WaitRecorder waits;
};

TEST_F(InputWaitTest, EachWaitIsAnnouncedWithWhatItTakes) {
  using Kind = InputWait::Kind;
  platform.SetKeyLines({"xa{noenter}", "{bs}o", "{esc}{noenter}"});
  EXPECT_TRUE(AskYesNo(game.console));
  EXPECT_EQ(EnterPositionName(game, u"Stará"), u"Staro");
  EXPECT_FALSE(SavePosition(game));
  EXPECT_EQ(waits.waits, (std::vector<std::string>{
                             Begin(Kind::YesNo), End(Kind::YesNo),
                             Begin(Kind::Name, 0, "Stará"), End(Kind::Name),
                             Begin(Kind::SlotMenu, 9), End(Kind::SlotMenu)}));
}

TEST_F(InputWaitTest, APrintIsAnnouncedWholeBeforeItsLines) {
  ConsolePrint(game, u"a/b");
  EXPECT_EQ(waits.prints, TextLines({u"a/b"}));
  EXPECT_EQ(waits.lines, TextLines({u"a", u"b"}));
}

}  // namespace
}  // namespace zarvel::testing
