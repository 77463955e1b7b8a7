// The player's view writes each console paragraph as one logical line,
// wrapped at blanks: a word is never split unless it alone is too long.

#include <gtest/gtest.h>

#include "app/tty/Paragraphs.h"

namespace zarvel::tty {
namespace {

TEST(WrapParagraphTest, BreaksAtBlanksAndNeverLeavesOne) {
  struct Case {
    std::string text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", 10, {""}},
      {"   ", 10, {""}},  // a blank line is empty
      {"Vidíš klíč a skříň. ", 0, {"Vidíš klíč a skříň."}},  // no wrap
      {"Vidíš klíč a skříň.", 19, {"Vidíš klíč a skříň."}},  // exactly fits
      {"Vidíš klíč a skříň.", 18, {"Vidíš klíč a", "skříň."}},
      {"Vidíš klíč a skříň.", 12, {"Vidíš klíč a", "skříň."}},  // at a blank
      {"a  b", 2, {"a", "b"}},  // the blanks of a break are swallowed
      {"  odsazeno", 20, {"  odsazeno"}},  // leading blanks stay
      {"vynořují", 5, {"vynoř", "ují"}},   // too long for any line: cut
      {"ať vynořují", 5, {"ať", "vynoř", "ují"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrapParagraph(c.text, c.width), c.lines)
        << "[" << c.text << "] at " << c.width;
  }
}

TEST(PlainParagraphTest, RemovesMarkupAndControlsAsDrawingDoes) {
  struct Case {
    Text stored;
    std::string plain;
  };
  const Case cases[] = {
      {u"Stojí tu stará *skříň. ", "Stojí tu stará skříň."},
      {u"% *T *H *E", " T H E"},
      {u"Vzal jsi\r klíč.", "Vzal jsi  klíč."},  // CR draws as a blank
      {u"a\x1b"
       u"b\tc",
       "ab c"},
      {u" ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PlainParagraph(c.stored), c.plain);
}

}  // namespace
}  // namespace zarvel::tty
