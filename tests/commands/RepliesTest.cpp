// Gendered messages and the keys that choose numbers.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "rules/GameFixture.h"

namespace zarvel::testing {
namespace {

TEST(NumberKeyTest, DigitsAndTheCzechAndSlovakNumberRow) {
  const std::vector<std::pair<char16_t, int>> keys = {
      {u'1', 1}, {u'+', 1}, {u'2', 2}, {u'ě', 2}, {u'ľ', 2}, {u'3', 3},
      {u'š', 3}, {u'4', 4}, {u'č', 4}, {u'5', 5}, {u'ř', 5}, {u'ť', 5},
      {u'6', 6}, {u'ž', 6}, {u'7', 7}, {u'ý', 7}, {u'8', 8}, {u'á', 8},
      {u'9', 9}, {u'í', 9}, {u'0', 0}, {u'Č', 0}, {u'Ě', 0}, {u'é', 0},
      {u'a', 0}, {27, 0},   {0, 0}};
  for (const auto& [code, number] : keys) {
    EXPECT_EQ(NumberKeyOf(code), number) << static_cast<int>(code);
  }
}

using RepliesTest = GameFixture;

TEST_F(RepliesTest, GenderedMessageFollowsTheCurrentPlayer) {
  EXPECT_EQ(GenderedMessage(game, "seber_ne"), u"seber_ne_muz");
  Gender(u"žena");
  EXPECT_EQ(GenderedMessage(game, "seber_ne"), u"seber_ne_zena");
  EXPECT_EQ(GenderedMessage(game, "neznamy_klic"), u"");
  Gender(u"muž ");
  EXPECT_EQ(GenderedMessage(game, "seber_ne"), u"");
  world.currentPlayer = 500;  // outside the players table
  EXPECT_EQ(GenderedMessage(game, "seber_ne"), u"");
}

TEST_F(RepliesTest, AMissingMessagePrintsAnEmptyLine) {
  world.messages.erase("seber_ne_muz");
  ReplyWithKey(game, "seber_ne");
  EXPECT_EQ(Printed(), TextLines({u""}));
}

TEST_F(RepliesTest, AskYesNoWaitsForAOrN) {
  Keys({"xYa"});
  EXPECT_EQ(AskYesNo(game), u"1");
  Keys({"{esc}0N"});
  EXPECT_EQ(AskYesNo(game), u"0");
  Keys({"A"});
  EXPECT_EQ(AskYesNo(game), u"1");
  Keys({"n"});
  EXPECT_EQ(AskYesNo(game), u"0");
}

}  // namespace
}  // namespace zarvel::testing
