// The fixed layout of the 800 × 600 canvas: the game screen with its three
// bands, and the text-grid helpers of the menu and the paged screens.
#include "console/Screen.h"

#include "console/Markup.h"
#include "media/Platform.h"

namespace zarvel {

namespace {

constexpr float kScreenWidth = kCanvasWidth;

void HorizontalLine(Platform& platform, int y) {
  platform.DrawLine(0, static_cast<float>(y), kScreenWidth,
                    static_cast<float>(y));
}

ImageSize LogoSize(Console& console) {
  if (console.layout.logoImage == 0) return {};
  return console.platform.GetImageSize(console.layout.logoImage);
}

void DrawLogo(Console& console, int x, int y) {
  if (console.layout.logoImage == 0) return;
  console.platform.DrawImageAt(console.layout.logoImage, static_cast<float>(x),
                               static_cast<float>(y));
}

}  // namespace

void RedrawScreen(Console& console) {
  Platform& platform = console.platform;
  const ScreenLayout& layout = console.layout;
  // The bands cover the whole canvas, so nothing is cleared first.
  platform.SetColor(0, 0, 0);
  platform.DrawRect(0, 0, kScreenWidth, 43);
  platform.SetColor(255, 255, 255);
  HorizontalLine(platform, 4);
  HorizontalLine(platform, 37);
  platform.SetColor(48, 48, 128);
  platform.DrawRect(0, 43, kScreenWidth, 525);
  // White leaves the logo's own colours untouched; the console rows start
  // in white as well.
  platform.SetColor(255, 255, 255);
  DrawLogo(console,
           kCanvasWidth - LogoSize(console).width - 4 * layout.charWidth, 8);
  for (int row = 1; row <= kConsoleRows; ++row) {
    DrawConsoleLine(console, console.lines[row - 1], row);
  }
  platform.SetColor(28, 28, 28);
  platform.DrawRect(0, 562, kScreenWidth, 38);
  platform.SetColor(255, 255, 255);
  HorizontalLine(platform, 567);
  HorizontalLine(platform, 595);
}

void DrawPauseBar(Platform& platform) {
  platform.SetColor(28, 28, 28);
  platform.DrawRect(0, 565, kScreenWidth, 33);
  platform.SetColor(255, 255, 255);
  HorizontalLine(platform, 567);
  HorizontalLine(platform, 595);
  const Text prompt = u"stiskni prosím nějakou klávesu";
  platform.DrawTextAt(
      prompt, static_cast<float>(400 - platform.TextWidthOf(prompt) / 2), 570);
}

void DrawCentred(Console& console, const Text& text, int row) {
  Platform& platform = console.platform;
  platform.DrawTextAt(text,
                      static_cast<float>(400 - platform.TextWidthOf(text) / 2),
                      static_cast<float>(row * console.layout.lineHeight));
}

void DrawAtColumn(Console& console, const Text& text, int column, int row) {
  console.platform.DrawTextAt(
      text, static_cast<float>(column * console.layout.charWidth),
      static_cast<float>(row * console.layout.lineHeight));
}

void DrawRightAligned(Console& console, const Text& text, int column, int row) {
  Platform& platform = console.platform;
  const int x = kCanvasWidth - platform.TextWidthOf(text) -
                column * console.layout.charWidth;
  platform.DrawTextAt(text, static_cast<float>(x),
                      static_cast<float>(row * console.layout.lineHeight));
}

void DrawLogoScreen(Console& console) {
  Platform& platform = console.platform;
  platform.SetClsColor(0, 0, 0);
  platform.Cls();
  platform.SetColor(255, 255, 255);
  DrawLogo(
      console,
      kCanvasWidth - LogoSize(console).width - 5 * console.layout.charWidth,
      10);
}

void DrawGridBox(Console& console, int topRow, int height, int r, int g,
                 int b) {
  Platform& platform = console.platform;
  const ScreenLayout& layout = console.layout;
  platform.SetColor(r, g, b);
  platform.DrawRect(static_cast<float>(10 * layout.charWidth),
                    static_cast<float>(topRow * layout.lineHeight),
                    static_cast<float>(kCanvasWidth - 20 * layout.charWidth),
                    static_cast<float>(height));
  platform.SetColor(255, 255, 255);
}

void DrawScreenFrame(Console& console) {
  DrawLogoScreen(console);
  DrawGridBox(console, 3, kCanvasHeight - 6 * console.layout.lineHeight, 48,
              128, 48);
}

}  // namespace zarvel
