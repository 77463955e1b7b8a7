// The text rules at their edges: the data files and the rules engine depend
// on these exact results (1-based positions, clamping, empty pieces, the
// lenient parse), so each edge is pinned here.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "media/EmbeddedResources.h"
#include "media/NamedFiles.h"
#include "media/Text.h"

namespace zarvel {
namespace {

// One row of the edge-case table: an operation shown as text, its actual
// result and the expected one, both flattened to a printable form.
struct TextCase {
  const char* what;
  std::function<Text()> actual;
  Text expected;
};

Text Joined(const std::vector<Text>& pieces) {
  Text out = FormatInt(static_cast<int32_t>(pieces.size())) + u":";
  for (const Text& piece : pieces) out += u"[" + piece + u"]";
  return out;
}

Text Int(int32_t value) { return FormatInt(value); }

TEST(TextRules, EdgeCaseTable) {
  const std::vector<TextCase> cases = {
      // FormatInt and CharText.
      {"FormatInt 0", [] { return FormatInt(0); }, u"0"},
      {"FormatInt -45", [] { return FormatInt(-45); }, u"-45"},
      {"FormatInt 1200", [] { return FormatInt(1200); }, u"1200"},
      {"FormatInt min", [] { return FormatInt(INT32_MIN); }, u"-2147483648"},
      {"FormatInt max", [] { return FormatInt(INT32_MAX); }, u"2147483647"},
      {"CharText 0x10161", [] { return CharText(0x10161); }, u"\u0161"},
      // FindText.
      {"FindText pr=5/34 / 1",
       [] { return Int(FindText(u"pr=5/34", u"/", 1)); }, u"5"},
      {"FindText from 6", [] { return Int(FindText(u"a/b/c", u"/", 3)); },
       u"4"},
      {"FindText at start", [] { return Int(FindText(u"a/b/c", u"/", 2)); },
       u"2"},
      {"FindText none", [] { return Int(FindText(u"abc", u"x", 1)); }, u"0"},
      {"FindText start<1", [] { return Int(FindText(u"abc", u"a", -5)); },
       u"1"},
      {"FindText past end", [] { return Int(FindText(u"abc", u"c", 4)); },
       u"0"},
      {"FindText empty sub", [] { return Int(FindText(u"abc", u"", 2)); },
       u"2"},
      {"FindText case", [] { return Int(FindText(u"Lampu", u"lampu", 1)); },
       u"0"},
      // MidText.
      {"MidText pr=5/34 4 1", [] { return MidText(u"pr=5/34", 4, 5 - 4); },
       u"5"},
      {"MidText pr=5/34 6 7", [] { return MidText(u"pr=5/34", 6, 7); }, u"34"},
      {"MidText abc 0 2", [] { return MidText(u"abc", 0, 2); }, u"a"},
      {"MidText abc 0 1", [] { return MidText(u"abc", 0, 1); }, u""},
      {"MidText abc -3 5", [] { return MidText(u"abc", -3, 5); }, u"a"},
      {"MidText abc 4 1", [] { return MidText(u"abc", 4, 1); }, u""},
      {"MidText abc 3 1", [] { return MidText(u"abc", 3, 1); }, u"c"},
      {"MidText abc 2 -1", [] { return MidText(u"abc", 2, -1); }, u"bc"},
      {"MidText abc 2 10", [] { return MidText(u"abc", 2, 10); }, u"bc"},
      {"MidText abc 2 0", [] { return MidText(u"abc", 2, 0); }, u""},
      {"MidText huge start", [] { return MidText(u"abc", INT_MAX, 1); }, u""},
      {"MidText min start", [] { return MidText(u"abc", INT_MIN, INT_MAX); },
       u""},
      // LeftText.
      {"LeftText abc 5", [] { return LeftText(u"abc", 5); }, u"abc"},
      {"LeftText abc 2", [] { return LeftText(u"abc", 2); }, u"ab"},
      {"LeftText abc 0", [] { return LeftText(u"abc", 0); }, u""},
      {"LeftText abc -1", [] { return LeftText(u"abc", -1); }, u""},
      // SplitText keeps every empty piece.
      {"SplitText a;;b;", [] { return Joined(SplitText(u"a;;b;", u";")); },
       u"4:[a][][b][]"},
      {"SplitText empty", [] { return Joined(SplitText(u"", u",")); }, u"1:[]"},
      {"SplitText leading", [] { return Joined(SplitText(u",x", u",")); },
       u"2:[][x]"},
      {"SplitText none", [] { return Joined(SplitText(u"abc", u";")); },
       u"1:[abc]"},
      {"SplitText CRLF",
       [] { return Joined(SplitText(u"a\r\n\r\nb", u"\r\n")); }, u"3:[a][][b]"},
      {"SplitText no overlap", [] { return Joined(SplitText(u"aaa", u"aa")); },
       u"2:[][a]"},
      // TrimText removes every code up to 32, nothing above.
      {"TrimText blanks only", [] { return TrimText(u" \t\r\n \r"); }, u""},
      {"TrimText both ends", [] { return TrimText(u"\x01 a b\r\n"); }, u"a b"},
      {"TrimText no-break space", [] { return TrimText(u"\u00A0x\u00A0"); },
       u"\u00A0x\u00A0"},
      // ParseIntLenient never fails.
      {"Parse ' 34x'", [] { return Int(ParseIntLenient(u" 34x")); }, u"34"},
      {"Parse -7", [] { return Int(ParseIntLenient(u"-7")); }, u"-7"},
      {"Parse $1F", [] { return Int(ParseIntLenient(u"$1F")); }, u"31"},
      {"Parse $ff", [] { return Int(ParseIntLenient(u"$ff")); }, u"255"},
      {"Parse %101", [] { return Int(ParseIntLenient(u"%101")); }, u"5"},
      {"Parse %102", [] { return Int(ParseIntLenient(u"%102")); }, u"2"},
      {"Parse -$10", [] { return Int(ParseIntLenient(u"-$10")); }, u"-16"},
      {"Parse abc", [] { return Int(ParseIntLenient(u"abc")); }, u"0"},
      {"Parse empty", [] { return Int(ParseIntLenient(u"")); }, u"0"},
      {"Parse 3/4", [] { return Int(ParseIntLenient(u"3/4")); }, u"3"},
      {"Parse 5 CR", [] { return Int(ParseIntLenient(u"5\r")); }, u"5"},
      {"Parse tab LF", [] { return Int(ParseIntLenient(u"\t\n12")); }, u"12"},
      {"Parse +", [] { return Int(ParseIntLenient(u"+")); }, u"0"},
      {"Parse -", [] { return Int(ParseIntLenient(u"-")); }, u"0"},
      {"Parse two spaces", [] { return Int(ParseIntLenient(u"  ")); }, u"0"},
      {"Parse +9", [] { return Int(ParseIntLenient(u"+9")); }, u"9"},
      {"Parse - 5", [] { return Int(ParseIntLenient(u"- 5")); }, u"0"},
      {"Parse 0034", [] { return Int(ParseIntLenient(u"0034")); }, u"34"},
      {"Parse 4294967297", [] { return Int(ParseIntLenient(u"4294967297")); },
       u"1"},
      {"Parse 2147483648", [] { return Int(ParseIntLenient(u"2147483648")); },
       u"-2147483648"},
      {"Parse no-break space", [] { return Int(ParseIntLenient(u"\u00A01")); },
       u"0"},
      // UpperText.
      {"UpperText ďábel", [] { return UpperText(u"ďábel"); }, u"ĎÁBEL"},
      {"UpperText ß", [] { return UpperText(u"ß"); }, u"ß"},
      {"UpperText Czech", [] { return UpperText(u"čěřšžůľ"); }, u"ČĚŘŠŽŮĽ"},
      {"UpperText micro", [] { return UpperText(u"\u00B5"); }, u"\u039C"},
      {"UpperText below B5", [] { return UpperText(u"az{\u00AA\u00B4"); },
       u"AZ{\u00AA\u00B4"},
      {"UpperText ÿ", [] { return UpperText(u"\u00FF"); }, u"\u0178"},
      {"UpperText upper stays", [] { return UpperText(u"ÁZ1"); }, u"ÁZ1"},
      {"UpperText empty", [] { return UpperText(u""); }, u""},
  };
  for (const TextCase& row : cases) {
    EXPECT_EQ(TextToUtf8(row.actual()), TextToUtf8(row.expected)) << row.what;
  }
}

TEST(TextRules, EqualityIsExactAndCaseSensitive) {
  EXPECT_NE(Text(u"č"), Text(u"c\u030C"));
  EXPECT_NE(Text(u"Lampa"), Text(u"lampa"));
  EXPECT_TRUE(ContainsText(u"svazek klíčů", u"klíčů"));
  EXPECT_TRUE(ContainsText(u"abc", u""));
  EXPECT_FALSE(ContainsText(u"svazek", u"Svazek"));
}

TEST(Utf8, RoundTripsAndReplacesBrokenSequences) {
  const std::string czech = "Příliš žluťoučký kůň \xF0\x9F\x98\x80";
  const Text text = Utf8ToText(czech);
  EXPECT_EQ(text.size(), 23u);  // the emoji is a surrogate pair
  EXPECT_EQ(TextToUtf8(text), czech);
  EXPECT_EQ(Utf8ToText("a\xFF"
                       "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToText("a\xC4"), u"a\uFFFD");        // truncated at end
  EXPECT_EQ(Utf8ToText("\xC4z"), u"\uFFFDz");        // broken by ASCII
  EXPECT_EQ(Utf8ToText("\xC0\xAF"), u"\uFFFD");      // overlong
  EXPECT_EQ(Utf8ToText("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
  EXPECT_EQ(TextToUtf8(Text(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(AsciiToText("seber_ano_muz"), u"seber_ano_muz");
}

TEST(TextEncoding, DecodesByByteOrderMark) {
  using namespace std::string_view_literals;
  EXPECT_EQ(DecodeTextBytes("\xFF\xFE"
                            "a\0\x59\x01"sv),
            u"a\u0159");
  EXPECT_EQ(DecodeTextBytes("\xFE\xFF\0a\x01\x59"sv), u"a\u0159");
  EXPECT_EQ(DecodeTextBytes("\xEF\xBB\xBF\xC5\x99\r\n"sv), u"\u0159\r\n");
  // No full mark: every byte is one character, the first included.
  EXPECT_EQ(DecodeTextBytes("\xEF\xBBx"sv), u"\u00EF\u00BBx");
  EXPECT_EQ(DecodeTextBytes("\xE1\r"sv), u"\u00E1\r");
  EXPECT_EQ(DecodeTextBytes(""sv), u"");
  // Half a unit at the end of a UTF-16 file is kept as a replacement.
  EXPECT_EQ(DecodeTextBytes("\xFF\xFE"
                            "a\0b"sv),
            u"a\uFFFD");
}

TEST(TextEncoding, EncodesNarrowUnlessAUnitIsAboveFF) {
  EXPECT_EQ(EncodeTextBytes(u"Sklep á").size(), 7u);
  EXPECT_EQ(EncodeTextBytes(u"Sklep á"), "Sklep \xE1");
  const std::string wide = EncodeTextBytes(u"Sklep ř");
  ASSERT_EQ(wide.size(), 16u);
  EXPECT_EQ(wide.substr(0, 4), std::string("\xFF\xFES\0", 4));
  EXPECT_EQ(wide.substr(14), "\x59\x01");
  EXPECT_EQ(EncodeTextBytes(u""), "");
  for (const Text& text : {Text(u"pr=5/1000\r"), Text(u"Sklep ř\r\n"),
                           Text(u"\u00FF\u00FF"), Text(u"")}) {
    EXPECT_EQ(DecodeTextBytes(EncodeTextBytes(text)), text);
  }
  // The one exception: a narrow text that starts like a mark is read back
  // as UTF-16LE.
  EXPECT_EQ(DecodeTextBytes(EncodeTextBytes(u"\u00FF\u00FEab")), u"\u6261");
}

// A scratch directory per test, removed afterwards.
class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zarvel_textfile_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  std::string Bytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  size_t EntryCount() const {
    return static_cast<size_t>(
        std::distance(std::filesystem::directory_iterator(dir_),
                      std::filesystem::directory_iterator()));
  }
  std::filesystem::path dir_;
};

TEST_F(TextFileTest, WritesReadsAndReplacesWholeFiles) {
  const std::string path = Path("pozice_01.sav");
  EXPECT_FALSE(CanOpenReadWrite(path));
  ASSERT_TRUE(WriteTextFile(u"jméno\rscore=5\r", path));
  EXPECT_EQ(Bytes(path), "jm\xE9no\rscore=5\r");
  EXPECT_TRUE(CanOpenReadWrite(path));
  EXPECT_EQ(ReadTextFile({}, path), u"jméno\rscore=5\r");

  ASSERT_TRUE(WriteTextFile(u"ř", path));
  EXPECT_EQ(Bytes(path), "\xFF\xFE\x59\x01");
  EXPECT_EQ(ReadTextFile({}, path), u"ř");
  ASSERT_TRUE(WriteTextFile(u"", path));
  EXPECT_EQ(Bytes(path), "");
  EXPECT_EQ(EntryCount(), 1u);  // no temporary left behind
  EXPECT_EQ(ReadTextFile({}, Path("missing.sav")), u"");
}

TEST_F(TextFileTest, TargetThatRefusesWritingIsLeftUntouched) {
  // A directory refuses writing even for root.
  const std::string path = Path("pozice_04.sav");
  std::filesystem::create_directory(path);
  std::ofstream(Path("pozice_04.sav/keep")) << "x";
  EXPECT_FALSE(CanOpenReadWrite(path));
  EXPECT_FALSE(WriteTextFile(u"new", path));
  EXPECT_EQ(Bytes(Path("pozice_04.sav/keep")), "x");
  EXPECT_EQ(EntryCount(), 1u);  // no temporary left behind
}

TEST_F(TextFileTest, ReadOnlyTargetIsLeftUntouched) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
  const std::string path = Path("pozice_02.sav");
  ASSERT_TRUE(WriteTextFile(u"old", path));
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(CanOpenReadWrite(path));
  EXPECT_FALSE(WriteTextFile(u"new", path));
  EXPECT_EQ(Bytes(path), "old");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(TextFileTest, FailsWhenTheDirectoryRefusesNewFiles) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores directory permissions";
  const std::string path = Path("pozice_03.sav");
  ASSERT_TRUE(WriteTextFile(u"old", path));
  ::chmod(dir_.c_str(), 0555);
  EXPECT_FALSE(WriteTextFile(u"new", path));
  ::chmod(dir_.c_str(), 0755);
  EXPECT_EQ(Bytes(path), "old");
  EXPECT_EQ(EntryCount(), 1u);
  EXPECT_FALSE(WriteTextFile(u"x", Path("no/such/dir.sav")));
  EXPECT_FALSE(CanOpenReadWrite(dir_.string()));  // a directory is no file
}

TEST(ResourceSet, ReplacedBytesAndIncbinNamesReadLikeFiles) {
  static const unsigned char kBuiltIn[] = {0xEF, 0xBB, 0xBF, 'h', 'i'};
  ResourceSet resources;
  resources.AddBuiltIn("test/greeting.txt", kBuiltIn);
  EXPECT_EQ(ReadTextFile(resources, "incbin::test/greeting.txt"), u"hi");
  resources.Put("test/greeting.txt", {'y', 'o'});
  EXPECT_EQ(ReadTextFile(resources, "incbin::test/greeting.txt"), u"yo");
  resources.AddBuiltIn("incbin::test/greeting.txt", kBuiltIn);
  EXPECT_EQ(ReadTextFile(resources, "incbin::test/greeting.txt"), u"hi");
  EXPECT_EQ(resources.Names(), std::vector<std::string>{"test/greeting.txt"});

  std::string bytes = "unchanged";
  EXPECT_FALSE(ReadFileBytes(resources, "incbin::test/absent.txt", bytes));
  EXPECT_EQ(bytes, "unchanged");
  EXPECT_FALSE(WriteTextFile(u"x", "incbin::test/greeting.txt"));
  // Sets are separate: a test's or a --data folder's files stay in its own.
  EXPECT_FALSE(ResourceSet().Has("test/greeting.txt"));
  EXPECT_FALSE(EmbeddedResources().Has("test/greeting.txt"));
}

TEST(ResourceSet, EmbeddedSetHasTheTwentyEightInOrder) {
  const ResourceSet resources = EmbeddedResources();
  const std::vector<std::string> names = resources.Names();
  ASSERT_EQ(names.size(), 28u);
  EXPECT_EQ(names.front(), "msx/white_mouse_ate_cat.ogg");
  EXPECT_EQ(names[3], "dat/predmety.txt");
  EXPECT_EQ(names[17], "dat/help.txt");
  EXPECT_EQ(names.back(), "gfx/09_zarvel.png");
  // The data files are embedded as UTF-16LE with the mark.
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(resources, "incbin::dat/inicializace.txt", bytes));
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
}

}  // namespace
}  // namespace zarvel
