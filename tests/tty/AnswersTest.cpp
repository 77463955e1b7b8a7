// What a typed line becomes for each kind of wait of the game.

#include <gtest/gtest.h>

#include "app/tty/Answers.h"

namespace zarvel::tty {
namespace {

using Kind = InputWait::Kind;

TEST(AnswerKeyLineTest, EachWaitGetsTheKeysItTakes) {
  struct Case {
    std::optional<InputWait> wait;
    std::string typed;
    std::string keys;
  };
  const Case cases[] = {
      {std::nullopt, "seber klíč", "seber klíč"},
      {std::nullopt, "{esc}", "{{esc}"},  // typed text is never a token
      {InputWait(Kind::Key), "cokoli", ""},
      {InputWait(Kind::OptionMenu, 2), "2", "2{noenter}"},
      {InputWait(Kind::OptionMenu, 2), " ě ", "ě{noenter}"},
      {InputWait(Kind::OptionMenu, 2), "", "{esc}{noenter}"},
      {InputWait(Kind::OptionMenu, 2), "esc", "{esc}{noenter}"},
      {InputWait(Kind::SlotMenu, 9), "  ", "{esc}{noenter}"},
      {InputWait(Kind::SlotMenu, 9), "ESC", "{esc}{noenter}"},
      {InputWait(Kind::OptionMenu, 2), "běž", "{noenter}"},  // not "ě"
      {InputWait(Kind::SlotMenu, 9), "12", "{noenter}"},
      {InputWait(Kind::YesNo), "a", "a{noenter}"},
      {InputWait(Kind::YesNo), "Ano", "a{noenter}"},
      {InputWait(Kind::YesNo), "ne", "n{noenter}"},
      {InputWait(Kind::YesNo), "nevím", "{noenter}"},
      {InputWait(Kind::YesNo), "", "{noenter}"},  // no Escape here
      {InputWait(Kind::TitleMenu), "s", "s{noenter}"},
      {InputWait(Kind::Name, 0, u"Sklep á"), "Sklep á", ""},
      {InputWait(Kind::Name, 0, u"Sklep á"), "Sklep", "{bs}{bs}"},
      {InputWait(Kind::Name, 0, u"Sklep á"), "Sklep s {", "{bs}s {{"},
      {InputWait(Kind::Name, 0, u""), "Nová", "Nová"},
      {InputWait(Kind::Name, 0, u"Stará"), "", "{bs}{bs}{bs}{bs}{bs}"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnswerKeyLine(c.wait, c.typed), c.keys) << "[" << c.typed << "]";
  }
}

TEST(PromptForTest, MenusNameTheirKeysAndWhatEscapeDoes) {
  EXPECT_EQ(PromptFor(std::nullopt), "");
  EXPECT_EQ(PromptFor(InputWait(Kind::Key)), "[stiskni Enter]");
  EXPECT_EQ(PromptFor(InputWait(Kind::OptionMenu, 2)),
            "[číslo 1–2, prázdný řádek = konec rozhovoru]");
  EXPECT_EQ(PromptFor(InputWait(Kind::SlotMenu, 1)),
            "[číslo 1, prázdný řádek = zpět]");
  EXPECT_EQ(PromptFor(InputWait(Kind::SlotMenu, 0)), "[prázdný řádek = zpět]");
  EXPECT_EQ(PromptFor(InputWait(Kind::YesNo)), "[a = ano, n = ne]");
}

}  // namespace
}  // namespace zarvel::tty
