#include <gtest/gtest.h>

#include "media/headless/KeyScript.h"

namespace zarvel {
namespace {

using Kind = KeyEvent::Kind;

KeyEvent C(int code) { return {Kind::Char, code}; }
const KeyEvent kEnter = C(13);

struct ParseCase {
  const char* line;
  std::vector<KeyEvent> events;
};

TEST(KeyScript, ParsesLinesIntoEvents) {
  const ParseCase cases[] = {
      {"", {kEnter}},
      {"ab", {C('a'), C('b'), kEnter}},
      // UTF-8 becomes UTF-16 units, one queued code each.
      {"čř", {C(269), C(345), kEnter}},
      {"\xF0\x9F\x98\x80", {C(0xD83D), C(0xDE00), kEnter}},
      {"{esc}", {C(27), kEnter}},
      {"a{bs}{tab}b", {C('a'), C(8), C(9), C('b'), kEnter}},
      {"{key}", {{Kind::Press, 0}, kEnter}},
      {"{close}{noenter}", {{Kind::Close, 0}}},
      {"{quit}", {{Kind::Close, 1}, kEnter}},
      {"{wait 250}S", {{Kind::Wait, 250}, C('S'), kEnter}},
      {"x{wait  5}", {C('x'), {Kind::Wait, 5}, kEnter}},
      {"{wait 99999999999}", {{Kind::Wait, 2147483647}, kEnter}},
      {"abc{noenter}", {C('a'), C('b'), C('c')}},
      {"{noenter}", {}},
      {"a{noenter}b", {C('a'), C('b')}},
      {"{{esc}", {C('{'), C('e'), C('s'), C('c'), C('}'), kEnter}},
      {"{{", {C('{'), kEnter}},
      // Unknown or unfinished tokens are typed as written.
      {"{x}", {C('{'), C('x'), C('}'), kEnter}},
      {"{wait}", {C('{'), C('w'), C('a'), C('i'), C('t'), C('}'), kEnter}},
      {"{wait 1x}{esc}",
       {C('{'), C('w'), C('a'), C('i'), C('t'), C(' '), C('1'), C('x'), C('}'),
        C(27), kEnter}},
      {"a{", {C('a'), C('{'), kEnter}},
      {"{ESC}", {C('{'), C('E'), C('S'), C('C'), C('}'), kEnter}},
      // A line end left on the line is not typed.
      {"ok\r\n", {C('o'), C('k'), kEnter}},
      {"ok\r", {C('o'), C('k'), kEnter}},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseKeyLine(c.line), c.events) << '"' << c.line << '"';
  }
}

TEST(KeyScript, SplitsAScriptIntoLines) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitScriptLines(""), Lines{});
  EXPECT_EQ(SplitScriptLines("a"), Lines{"a"});
  EXPECT_EQ(SplitScriptLines("a\n"), Lines{"a"});
  EXPECT_EQ(SplitScriptLines("a\r\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitScriptLines("\n\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitScriptLines("\xEF\xBB\xBFS\n"), Lines{"S"});
}

}  // namespace
}  // namespace zarvel
