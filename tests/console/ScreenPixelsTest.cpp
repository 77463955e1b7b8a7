// The game screen and the console markup as the software renderer draws
// them with the game font: bands, lines, colours and where the letters land.
#include <gtest/gtest.h>

#include <algorithm>

#include "console/CommandLine.h"
#include "console/Console.h"
#include "console/Markup.h"
#include "console/Screen.h"
#include "media/EmbeddedResources.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel::testing {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kConsoleBlue{48, 48, 128};
const Rgb kBarGrey{28, 28, 28};

class ScreenPixelsTest : public ::testing::Test {
 protected:
  HeadlessPlatform platform{EmbeddedResources()};
  Console console{platform};

  void SetUp() override {
    platform.OpenScreen(800, 600, 0, 60);
    platform.SelectFont(
        platform.LoadFontResource("incbin::font/Ubuntu-C.ttf", 20, true));
    platform.SetBlend(BlendMode::Alpha);
    console.layout.lineHeight = platform.FontHeight();
    console.layout.charWidth = platform.TextWidthOf(u"Z");
    console.layout.logoImage =
        platform.LoadImageResource("incbin::gfx/zarvellogo.png");
  }

  Rgb At(int x, int y) const { return platform.renderer().PixelAt(x, y); }

  // The most covered pixel of a column span of a console row: the middle
  // of a stroke, whose colour is the text colour itself.
  Rgb StrokeColour(int x0, int x1, int row) const {
    Rgb best;
    int bestLight = -1;
    for (int y = 26 * row + 18; y < 26 * row + 18 + 26; ++y) {
      for (int x = x0; x < x1; ++x) {
        const Rgb p = At(x, y);
        const int light = p.r + p.g;  // yellow and white alike
        if (light > bestLight) {
          bestLight = light;
          best = p;
        }
      }
    }
    return best;
  }

  // Leftmost and rightmost columns of a row that text has changed.
  std::pair<int, int> InkSpan(int row) const {
    int left = 800, right = -1;
    for (int y = 26 * row + 18; y < 26 * row + 44; ++y) {
      for (int x = 0; x < 800; ++x) {
        if (At(x, y) != kConsoleBlue) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    return {left, right};
  }

  void ClearConsoleBand() {
    platform.SetColor(48, 48, 128);
    platform.DrawRect(0, 43, 800, 525);
  }
};

TEST_F(ScreenPixelsTest, GameScreenBandsAndLines) {
  RedrawScreen(console);
  EXPECT_EQ(At(10, 20), kBlack);
  EXPECT_EQ(At(10, 4), kWhite);
  EXPECT_EQ(At(799, 37), kWhite);
  EXPECT_EQ(At(10, 43), kConsoleBlue);
  EXPECT_EQ(At(10, 561), kConsoleBlue);
  EXPECT_EQ(At(10, 562), kBarGrey);  // the bar covers the console's bottom
  EXPECT_EQ(At(10, 567), kWhite);
  EXPECT_EQ(At(400, 595), kWhite);
  EXPECT_EQ(At(799, 599), kBarGrey);
  EXPECT_EQ(platform.renderer().color(), kWhite);
  // The logo sits between the header lines, ending four "Z" widths before
  // the right edge.
  const ImageSize logo = platform.GetImageSize(console.layout.logoImage);
  const int logoLeft = 800 - logo.width - 4 * console.layout.charWidth;
  int lit = 0;
  for (int y = 8; y < 8 + logo.height; ++y) {
    for (int x = logoLeft; x < logoLeft + logo.width; ++x)
      lit += At(x, y) != kBlack;
  }
  EXPECT_GT(lit, 0);
  for (int x = 0; x < 800; ++x) {
    EXPECT_EQ(At(x, 5), kBlack);
    EXPECT_EQ(At(x, 36), kBlack);
  }
}

TEST_F(ScreenPixelsTest, HighlightedWordIsYellowUpToItsFullStop) {
  ClearConsoleBand();
  DrawConsoleLine(console, u"*slovník. a", 3);
  const int wordEnd = 22 + platform.TextWidthOf(u"slovník");
  const Rgb word = StrokeColour(22, wordEnd, 3);
  EXPECT_GT(word.r, 200);
  EXPECT_GT(word.g, 200);
  EXPECT_LT(word.b, 100) << "yellow";
  const int stopEnd = wordEnd + platform.TextWidthOf(u".");
  EXPECT_GT(StrokeColour(wordEnd, stopEnd, 3).b, 200) << "white full stop";
  EXPECT_GT(StrokeColour(stopEnd, 400, 3).b, 200) << "white after it";
  // Nothing is drawn above or below the row's 26 pixels.
  for (int x = 0; x < 800; ++x) {
    EXPECT_EQ(At(x, 26 * 3 + 18 - 1), kConsoleBlue);
    EXPECT_EQ(At(x, 26 * 4 + 18), kConsoleBlue);
  }
}

TEST_F(ScreenPixelsTest, CentredLineIsPlacedAsItsMarksAreRemoved) {
  ClearConsoleBand();
  DrawConsoleLine(console, u"% *T *H *E   *E *N *D", 10);
  const auto [left, right] = InkSpan(10);
  // The centring offset is taken afresh at every letter from the line as it
  // stands then: at "T" the later marks still count, at "D" none is left,
  // so the letters spread a little to the right of a plain centring.
  auto width = [&](const char16_t* text) { return platform.TextWidthOf(text); };
  const int tLeft = 22 + 378 - width(u" T *H *E   *E *N *D") / 2 + width(u" ");
  const int dLeft =
      22 + 378 - width(u" T H E   E N D") / 2 + width(u" T H E   E N ");
  EXPECT_GE(left, tLeft - 2);
  EXPECT_LE(left, tLeft + 4);
  EXPECT_GE(right, dLeft);
  EXPECT_LE(right, dLeft + width(u"D") + 1);
  EXPECT_LT(StrokeColour(left, right + 1, 10).b, 100) << "letters in yellow";
}

TEST_F(ScreenPixelsTest, CursorIsAYellowBlockAfterTheLine) {
  RedrawScreen(console);
  console.inputLine = u"sever";
  DrawCommandLine(console);  // the virtual clock is at an even half-second
  const int x =
      22 + platform.TextWidthOf(u"sever") + 1 + platform.TextWidthOf(u">");
  const Rgb yellow{255, 255, 0};
  EXPECT_EQ(At(x, 570), yellow);
  EXPECT_EQ(At(x + 13, 591), yellow);
  EXPECT_EQ(At(x + 14, 580), kBarGrey);
  EXPECT_EQ(At(x - 1, 580), kBarGrey);
}

TEST_F(ScreenPixelsTest, PauseBarCoversTheInputArea) {
  RedrawScreen(console);
  console.inputLine = u"sever";
  DrawCommandLine(console);
  DrawPauseBar(platform);
  const int promptWidth =
      platform.TextWidthOf(u"stiskni prosím nějakou klávesu");
  int left = 800, right = -1;
  for (int y = 570; y < 594; ++y) {
    for (int x = 0; x < 800; ++x) {
      if (At(x, y) != kBarGrey) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  EXPECT_NEAR(left, 400 - promptWidth / 2, 3);
  EXPECT_LE(right, 400 + promptWidth / 2 + 2);
  EXPECT_EQ(At(5, 565), kBarGrey);
  EXPECT_EQ(At(5, 567), kWhite);
}

}  // namespace
}  // namespace zarvel::testing
