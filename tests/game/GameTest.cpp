// The game's LoadWorld: Escape or a close request cuts the slow part short.
#include <gtest/gtest.h>

#include "game/Game.h"
#include "media/headless/HeadlessPlatform.h"
#include "support/TinyDataFixture.h"

namespace zarvel {
namespace {

using GameLoadTest = TinyDataFixture;

TEST_F(GameLoadTest, GameStopsOnEscapeOrTakesOneCloseRequest) {
  HeadlessPlatform platform(resources);
  Game game(platform);
  platform.SetKeyLines({"{esc}{noenter}"});
  ASSERT_EQ(platform.NextChar(), 27);
  LoadWorld(game);
  EXPECT_EQ(game.world.locationVariants.slots[0].description, u"");
  EXPECT_EQ(game.world.dropRules.slots[0].text, u"");
  EXPECT_EQ(game.world.dictionaryText, u"");

  platform.SetKeyLines({"{close}{noenter}"});
  platform.DiscardInput();  // Escape is up again
  platform.NextChar();
  ASSERT_TRUE(platform.keyboard().closeRequestPending());
  LoadWorld(game);
  EXPECT_FALSE(platform.keyboard().closeRequestPending());
  EXPECT_EQ(game.world.locationVariants.slots[0].description, u"");
  EXPECT_EQ(game.world.examineRules.slots[0].text, u"Lampa.");
  EXPECT_EQ(game.world.dictionaryText, u"a/b/");

  LoadWorld(game);  // nothing pending: a whole load
  EXPECT_EQ(game.world.locationVariants.slots[0].description, u"Sklep.");
}

}  // namespace
}  // namespace zarvel
