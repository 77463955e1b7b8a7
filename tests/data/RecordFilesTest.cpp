// The rule, event and conversation files: fixed-length records, header
// skipped, fields trimmed, taken purely by position.
#include <vector>

#include "data/World.h"
#include "support/DataFixtures.h"

namespace zarvel {
namespace {

TEST(RuleFiles, ExamineAndUseRecordsHaveFiveLines) {
  Table<RuleEntry, kRuleCapacity> table;
  ReadRules(
      table,
      Lines({"--- lampa v kuchyni\r", " lampu\r", "pr=14/M\r", "pr=15/M\r",
             "Stará lampa./ /Pod ní klíček.\r", "--- cheat\r", "cheat\r", "\r",
             "sc=100\r", "Podvod.\r", "\r"}),
      5);
  ASSERT_EQ(table.count, 2);
  EXPECT_EQ(table.slots[0].noun, u"lampu");
  EXPECT_EQ(table.slots[0].conditions, u"pr=14/M");
  EXPECT_EQ(table.slots[0].effects, u"pr=15/M");
  EXPECT_EQ(table.slots[0].text, u"Stará lampa./ /Pod ní klíček.");
  EXPECT_EQ(table.slots[0].blocking, u"");
  EXPECT_EQ(table.slots[1].conditions, u"");  // an empty field, not a gap
  EXPECT_EQ(table.slots[1].text, u"Podvod.");
}

TEST(RuleFiles, TakeAndDropRecordsHaveABlockingLine) {
  Table<RuleEntry, kRuleCapacity> table;
  ReadRules(table,
            Lines({"----\r", "lampu\r", "rm=7\r", "sc=1\r", " 1 \r",
                   "Je přišroubovaná.\r", ""}),
            6);
  ASSERT_EQ(table.count, 1);
  EXPECT_EQ(table.slots[0].blocking, u"1");
  EXPECT_EQ(table.slots[0].text, u"Je přišroubovaná.");
}

TEST(RuleFiles, ShiftedRecordsAndLeftoverLines) {
  Table<EventEntry, kRuleCapacity> events;
  events.slots[2].text = u"older";
  // 30 lines: seven records, two over. Record 1 lacks its effects line, so
  // every later one is read one line late.
  std::vector<Text> lines = Lines({"---", "rm=1", "sc=1", "Jedna.", "---",
                                   "rm=2", "Dvě.", "---", "rm=3", "", "Tři."});
  lines.resize(30, u"x");
  ReadEvents(events, lines);
  EXPECT_EQ(events.count, 7);
  EXPECT_EQ(events.slots[0].text, u"Jedna.");
  EXPECT_EQ(events.slots[1].conditions, u"rm=2");
  EXPECT_EQ(events.slots[1].effects, u"Dvě.");
  EXPECT_EQ(events.slots[1].text, u"---");
  EXPECT_EQ(events.slots[2].conditions, u"");
  EXPECT_EQ(events.slots[2].effects, u"Tři.");
}

TEST(RuleFiles, StopCheckCutsTheFileShortButKeepsItsCount) {
  Table<RuleEntry, kRuleCapacity> table;
  table.slots[1].noun = u"from before";
  std::vector<Text> lines;
  for (int r = 0; r < 3; ++r) {
    for (const Text& line : {Text(u"---"), u"n" + FormatInt(r), Text(u"rm=1"),
                             Text(), Text(u"t")}) {
      lines.push_back(line);
    }
  }
  int asked = 0;
  ReadRules(table, lines, 5, [&] { return ++asked == 2; });
  EXPECT_EQ(asked, 2);  // asked before the first and before the second
  EXPECT_EQ(table.count, 3);
  EXPECT_EQ(table.slots[0].noun, u"n0");
  EXPECT_EQ(table.slots[1].noun, u"from before");
  EXPECT_EQ(table.slots[2].noun, u"");
}

TEST(RuleFiles, IgnoresRecordsBeyondTheCapacity) {
  Table<EventEntry, kRuleCapacity> events;
  ReadEvents(events, std::vector<Text>(4 * (kRuleCapacity + 2), u"e"));
  EXPECT_EQ(events.count, kRuleCapacity);
  EXPECT_EQ(events.slots.back().text, u"e");
  Table<RuleEntry, kRuleCapacity> rules;
  ReadRules(rules, std::vector<Text>(6 * (kRuleCapacity + 1), u"r"), 6);
  EXPECT_EQ(rules.count, kRuleCapacity);
  EXPECT_EQ(rules.slots.size(), static_cast<size_t>(kRuleCapacity));
}

TEST(Dialogues, NineLineRecordsWithoutStopCheck) {
  World world;
  std::vector<Text> lines =
      Lines({"--- kuchař, cesta\r", "kuchaře\r", "pr=20/M\r", "1\r",
             "Zeptat se na cestu.\r", "„Kudy ven?“\r", "„Na sever.“\r", "2\r",
             "endcredits\r"});
  lines.resize(235, u"\r");  // 26 records, one line over
  ReadDialogues(world, lines);
  EXPECT_EQ(world.dialogues.count, 26);
  const DialogueEntry& entry = world.dialogues.slots[0];
  EXPECT_EQ(entry.noun, u"kuchaře");
  EXPECT_EQ(entry.conditions, u"pr=20/M");
  EXPECT_EQ(entry.level, u"1");
  EXPECT_EQ(entry.optionText, u"Zeptat se na cestu.");
  EXPECT_EQ(entry.playerLine, u"„Kudy ven?“");
  EXPECT_EQ(entry.reply, u"„Na sever.“");
  EXPECT_EQ(entry.nextLevel, u"2");
  EXPECT_EQ(entry.effects, u"endcredits");
  EXPECT_EQ(world.dialogues.slots[1].noun, u"");
}

}  // namespace
}  // namespace zarvel
