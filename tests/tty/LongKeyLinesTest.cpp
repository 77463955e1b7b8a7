// Cutting key-script lines that do not fit the keyboard queue: the pieces
// together type exactly what the line types, and each fits with its Enter.

#include <gtest/gtest.h>

#include "app/tty/LongKeyLines.h"
#include "media/headless/KeyScript.h"

namespace zarvel::tty {
namespace {

std::vector<KeyEvent> TypedByPieces(const std::vector<std::string>& pieces) {
  std::vector<KeyEvent> events;
  for (const std::string& piece : pieces) {
    const std::vector<KeyEvent> typed = ParseKeyLine(piece);
    events.insert(events.end(), typed.begin(), typed.end());
  }
  return events;
}

TEST(CutLongKeyLineTest, PiecesTypeWhatTheLineTypes) {
  const std::string lines[] = {
      "seber klíč",
      "seber malý zrezivělý klíč od sklepa",
      "{esc}jdi na sever{bs}{bs}{noenter}",
      "{{a{b}c{wait 250}dlouhý řádek",
      "řádek s CR uprostřed\r\rkonec",
      // A line end (CR) is not typed, a CR before it is: the cutting must
      // keep the two apart, with Enter and without.
      "dlouhý řádek, který končí dvěma CR\r\r",
      "dlouhý řádek bez Enteru{noentei\r\r\r",
      "\xc5{noenter}rozbité UTF-8 \xff\x81 na konci\r\r",
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    const std::vector<std::string> pieces = CutLongKeyLine(line, 7);
    EXPECT_EQ(TypedByPieces(pieces), ParseKeyLine(line));
    for (size_t i = 0; i < pieces.size(); ++i) {
      size_t typed = 0;
      for (const KeyEvent& event : ParseKeyLine(pieces[i]))
        typed += event.kind == KeyEvent::Kind::Char;
      EXPECT_LE(typed, 7u) << "piece " << i << ": " << pieces[i];
    }
  }
}

TEST(CutLongKeyLineTest, ALineThatFitsStaysWhole) {
  EXPECT_EQ(CutLongKeyLine("sever", 7), std::vector<std::string>{"sever"});
  EXPECT_GT(CutLongKeyLine("seber klíč", 7).size(), 1u);
}

}  // namespace
}  // namespace zarvel::tty
