// Resources into lines: the four encodings, the line ends, and the joined
// free texts.
#include <string>
#include <vector>

#include "data/World.h"
#include "support/DataFixtures.h"

namespace zarvel {
namespace {

using namespace std::string_view_literals;

class TextLinesTest : public ResourceFixture {};

TEST_F(TextLinesTest, DecodesEveryEncodingTheSameWay) {
  // "ř" CR LF "b" in each form the reader accepts.
  const std::vector<std::pair<const char*, std::string_view>> forms = {
      {"UTF-16LE", "\xFF\xFE\x59\x01\r\0\n\0b\0"sv},
      {"UTF-16BE", "\xFE\xFF\x01\x59\0\r\0\n\0b"sv},
      {"UTF-8", "\xEF\xBB\xBF\xC5\x99\r\nb"sv},
  };
  for (const auto& [what, bytes] : forms) {
    resources.Put("dat/x.txt", RawBytes(bytes));
    EXPECT_EQ(ReadTextLines(resources, "dat/x.txt"),
              (std::vector<Text>{u"ř\r", u"b"}))
        << what;
  }
  // Without a mark every byte is one character, from the first byte on.
  resources.Put("dat/x.txt", RawBytes("\xE1\r\nb"sv));
  EXPECT_EQ(ReadTextLines(resources, "dat/x.txt"),
            (std::vector<Text>{u"á\r", u"b"}));
  // UTF-16LE breaks only at a whole LF unit, and a dangling odd byte is
  // half a unit, kept as a replacement character.
  const std::vector<std::pair<std::string_view, std::vector<Text>>> units = {
      {"\xFF\xFE\x0A\x01\n\0"sv, {u"\u010A", u""}},
      {"\xFF\xFE\x00\x0A\x0A\x00"sv, {u"\u0A00", u""}},
      {"\xFF\xFE"sv, {u""}},
      {"\xFF\xFE"
       "a\0\n\0b"sv,
       {u"a", u"\uFFFD"}},
  };
  for (const auto& [bytes, lines] : units) {
    resources.Put("dat/x.txt", RawBytes(bytes));
    EXPECT_EQ(ReadTextLines(resources, "dat/x.txt"), lines);
  }
  resources.Put("dat/x.txt", RawBytes("\xEF\xBBx\n"sv));
  EXPECT_EQ(ReadTextLines(resources, "incbin::dat/x.txt"),
            (std::vector<Text>{u"\u00EF\u00BBx", u""}));
}

TEST_F(TextLinesTest, SplitsOnlyAtLineFeeds) {
  const std::vector<std::pair<const char*, std::vector<Text>>> cases = {
      {"a\r\nb\r\n", {u"a\r", u"b\r", u""}},  // CR kept, empty last line
      {"a\nb\nc", {u"a", u"b", u"c"}},        // LF only, no final LF
      {"a\rb", {u"a\rb"}},                    // CR alone breaks nothing
      {"\n\n", {u"", u"", u""}},
      {"", {u""}},
      {" x \t\n", {u" x \t", u""}},  // nothing trimmed
  };
  for (const auto& [content, lines] : cases) {
    UseDataFile("dat/x.txt", content);
    EXPECT_EQ(ReadTextLines(resources, "dat/x.txt"), lines) << content;
  }
  EXPECT_EQ(ReadTextLines(resources, "dat/not-there.txt"),
            std::vector<Text>{u""});
}

TEST_F(TextLinesTest, JoinsTrimmedLinesWithSlashes) {
  EXPECT_EQ(JoinTrimmedLines(Lines({" x\r", "\r", "y "})), u"x//y");
  EXPECT_EQ(JoinTrimmedLines(Lines({"Návod\r", "konec\r", ""})),
            u"Návod/konec/");
  EXPECT_EQ(JoinTrimmedLines(Lines({""})), u"");
  // A stop keeps what was built so far, without its last "/".
  int asked = 0;
  EXPECT_EQ(
      JoinTrimmedLines(Lines({"a", "b", "c"}), [&] { return ++asked > 2; }),
      u"a/b");
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(JoinTrimmedLines(Lines({"a", "b"}), [] { return true; }), u"");
}

}  // namespace
}  // namespace zarvel
