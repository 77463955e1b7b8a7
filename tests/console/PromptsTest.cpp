// The prompts that wait for one key: yes or no, and the keys that choose
// numbers.
#include <gtest/gtest.h>

#include "console/Prompts.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel {
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

TEST(AskYesNoTest, WaitsForAOrN) {
  HeadlessPlatform platform;
  const std::vector<std::pair<std::string, bool>> cases = {
      {"xYa", true}, {"{esc}0N", false}, {"A", true}, {"n", false}};
  for (const auto& [keys, answer] : cases) {
    platform.SetKeyLines({keys});
    EXPECT_EQ(AskYesNo(platform), answer) << keys;
  }
}

}  // namespace
}  // namespace zarvel
