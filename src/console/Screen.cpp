// The fixed layout of the 800 × 600 canvas: the game screen with its three
// bands, and the text-grid helpers of the menu and the paged screens.
#include "console/Screen.h"

#include "console/Console.h"
#include "media/Platform.h"
#include "shell/Game.h"

namespace zarvel {

namespace {

constexpr float kScreenWidth = 800;

void HorizontalLine(Platform& platform, int y) {
  platform.DrawLine(0, static_cast<float>(y), kScreenWidth,
                    static_cast<float>(y));
}

ImageSize LogoSize(Game& game) {
  if (game.shell.logoImage == 0) return {};
  return game.platform.GetImageSize(game.shell.logoImage);
}

void DrawLogo(Game& game, int x, int y) {
  if (game.shell.logoImage == 0) return;
  game.platform.DrawImageAt(game.shell.logoImage, static_cast<float>(x),
                            static_cast<float>(y));
}

}  // namespace

void RedrawScreen(Game& game) {
  Platform& platform = game.platform;
  const ShellSettings& shell = game.shell;
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
  DrawLogo(game, 800 - LogoSize(game).width - 4 * shell.charWidth, 8);
  for (int row = 1; row <= kConsoleRows; ++row) {
    DrawConsoleLine(game, game.console.lines[row - 1], row);
  }
  platform.SetColor(28, 28, 28);
  platform.DrawRect(0, 562, kScreenWidth, 38);
  platform.SetColor(255, 255, 255);
  HorizontalLine(platform, 567);
  HorizontalLine(platform, 595);
}

void DrawPauseBar(Game& game) {
  Platform& platform = game.platform;
  platform.SetColor(28, 28, 28);
  platform.DrawRect(0, 565, kScreenWidth, 33);
  platform.SetColor(255, 255, 255);
  HorizontalLine(platform, 567);
  HorizontalLine(platform, 595);
  const Text prompt = u"stiskni prosím nějakou klávesu";
  platform.DrawTextAt(
      prompt, static_cast<float>(400 - platform.TextWidthOf(prompt) / 2), 570);
}

void DrawCentred(Game& game, const Text& text, int row) {
  Platform& platform = game.platform;
  platform.DrawTextAt(text,
                      static_cast<float>(400 - platform.TextWidthOf(text) / 2),
                      static_cast<float>(row * game.shell.lineHeight));
}

void DrawAtColumn(Game& game, const Text& text, int column, int row) {
  game.platform.DrawTextAt(text,
                           static_cast<float>(column * game.shell.charWidth),
                           static_cast<float>(row * game.shell.lineHeight));
}

void DrawRightAligned(Game& game, const Text& text, int column, int row) {
  Platform& platform = game.platform;
  const int x =
      800 - platform.TextWidthOf(text) - column * game.shell.charWidth;
  platform.DrawTextAt(text, static_cast<float>(x),
                      static_cast<float>(row * game.shell.lineHeight));
}

void DrawLogoScreen(Game& game) {
  Platform& platform = game.platform;
  platform.SetClsColor(0, 0, 0);
  platform.Cls();
  platform.SetColor(255, 255, 255);
  DrawLogo(game, 800 - LogoSize(game).width - 5 * game.shell.charWidth, 10);
}

void DrawGridBox(Game& game, int topRow, int height, int r, int g, int b) {
  Platform& platform = game.platform;
  const ShellSettings& shell = game.shell;
  platform.SetColor(r, g, b);
  platform.DrawRect(static_cast<float>(10 * shell.charWidth),
                    static_cast<float>(topRow * shell.lineHeight),
                    static_cast<float>(800 - 20 * shell.charWidth),
                    static_cast<float>(height));
  platform.SetColor(255, 255, 255);
}

void DrawScreenFrame(Game& game) {
  DrawLogoScreen(game);
  DrawGridBox(game, 3, 600 - 6 * game.shell.lineHeight, 48, 128, 48);
}

}  // namespace zarvel
