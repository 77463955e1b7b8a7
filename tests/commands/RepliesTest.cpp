// Gendered messages.

#include <gtest/gtest.h>

#include "commands/Commands.h"
#include "support/GameFixture.h"

namespace zarvel::testing {
namespace {

using RepliesTest = GameFixture;

TEST_F(RepliesTest, GenderedMessageFollowsTheCurrentPlayer) {
  EXPECT_EQ(GenderedMessage(game.world, "seber_ne"), u"seber_ne_muz");
  Gender(u"žena");
  EXPECT_EQ(GenderedMessage(game.world, "seber_ne"), u"seber_ne_zena");
  EXPECT_EQ(GenderedMessage(game.world, "neznamy_klic"), u"");
  Gender(u"muž ");
  EXPECT_EQ(GenderedMessage(game.world, "seber_ne"), u"");
  world.currentPlayer = 500;  // outside the players table
  EXPECT_EQ(GenderedMessage(game.world, "seber_ne"), u"");
}

TEST_F(RepliesTest, AMissingMessagePrintsAnEmptyLine) {
  world.messages.erase("seber_ne_muz");
  ReplyWithKey(game, "seber_ne");
  EXPECT_EQ(Printed(), TextLines({u""}));
}

}  // namespace
}  // namespace zarvel::testing
