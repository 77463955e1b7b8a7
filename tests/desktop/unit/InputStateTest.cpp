// The desktop's keyboard rules, fed with SDL events built by hand (no
// display needed): what reaches the character queue, what counts as a
// press, and what a focus change or a close request does.
#include <gtest/gtest.h>

#include <string>

#include "media/desktop/InputState.h"
#include "media/desktop/SdlInput.h"

namespace zarvel {
namespace {

SDL_Event KeyEvent(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode,
                   bool repeat = false) {
  SDL_Event event{};
  event.type = type;
  event.key.keysym.sym = sym;
  event.key.keysym.scancode = scancode;
  event.key.repeat = repeat ? 1 : 0;
  return event;
}

SDL_Event TextEvent(const std::string& utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  utf8.copy(event.text.text, sizeof(event.text.text) - 1);
  return event;
}

SDL_Event WindowEvent(Uint8 what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = what;
  return event;
}

struct Fixture {
  InputState input;
  WindowNotices notices;
  void Feed(const SDL_Event& event) {
    HandleWindowEvent(event, input, notices);
  }
  std::u16string Drain() {
    std::u16string typed;
    for (int c; (c = input.PopChar()) != 0;) typed += char16_t(c);
    return typed;
  }
};

TEST(DesktopInput, TextArrivesAsUtf16UnitsAndControlKeysAsCodes) {
  Fixture f;
  f.Feed(TextEvent("sever"));
  f.Feed(TextEvent("č"));
  f.Feed(TextEvent("ř"));
  f.Feed(TextEvent("á"));
  f.Feed(TextEvent("\xF0\x9F\x98\x80"));  // beyond 16 bits: a surrogate pair
  const struct {
    SDL_Keycode sym;
    SDL_Scancode scancode;
  } controls[] = {{SDLK_RETURN, SDL_SCANCODE_RETURN},
                  {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER},
                  {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE},
                  {SDLK_TAB, SDL_SCANCODE_TAB},
                  {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE}};
  for (auto control : controls)
    f.Feed(KeyEvent(SDL_KEYDOWN, control.sym, control.scancode));
  EXPECT_EQ(f.Drain(), u"sever\u010D\u0159\u00E1\U0001F600\r\r\b\t\x1B");
}

TEST(DesktopInput, AHeldKeyRepeatsItsCharacterButIsPressedOnce) {
  Fixture f;
  f.Feed(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE));
  f.Feed(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, true));
  EXPECT_EQ(f.Drain(), u"\b\b");
  EXPECT_TRUE(f.input.IsKeyDown(8));
  f.input.Discard();
  f.Feed(KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, true));
  EXPECT_FALSE(f.input.AnyKeyPressed()) << "a repeat is no new press";
  f.Feed(KeyEvent(SDL_KEYUP, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE));
  EXPECT_FALSE(f.input.IsKeyDown(8));
}

TEST(DesktopInput, EveryKeyHasACodeFrom1To255) {
  Fixture f;
  f.Feed(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
  EXPECT_TRUE(f.input.IsKeyDown(27));
  // Keys without a character still count as presses (WaitKeyPress).
  const std::pair<SDL_Keycode, SDL_Scancode> silentKeys[] = {
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT},
      {SDLK_UP, SDL_SCANCODE_UP},
      {SDLK_F1, SDL_SCANCODE_F1},
      {0x10D, SDL_SCANCODE_3},  // "č" on a Czech keyboard map
  };
  for (auto [sym, scancode] : silentKeys) {
    SDL_Keysym key{};
    key.sym = sym;
    key.scancode = scancode;
    int code = GameKeyCodeOf(key);
    EXPECT_GE(code, 1);
    EXPECT_LE(code, 255);
    f.input.Discard();
    f.Feed(KeyEvent(SDL_KEYDOWN, sym, scancode));
    EXPECT_TRUE(f.input.AnyKeyPressed());
    EXPECT_EQ(f.Drain(), u"") << "no character for a key alone";
  }
  SDL_Keysym letter{};
  letter.sym = SDLK_a;
  letter.scancode = SDL_SCANCODE_A;
  EXPECT_EQ(GameKeyCodeOf(letter), 'a');
}

TEST(DesktopInput, TheQueueHolds256CharactersAndDropsTheRest) {
  InputState input;
  for (int i = 0; i < 300; ++i) input.PushChar(char16_t('a' + i % 26));
  int taken = 0;
  while (input.PopChar() != 0) ++taken;
  EXPECT_EQ(taken, 256);
}

TEST(DesktopInput, AFocusChangeDiscardsEverythingButTheCloseRequest) {
  for (Uint8 change :
       {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_FOCUS_GAINED}) {
    Fixture f;
    f.Feed(TextEvent("ab"));
    f.Feed(KeyEvent(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE));
    f.Feed(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    f.Feed(WindowEvent(change));
    EXPECT_EQ(f.Drain(), u"");
    EXPECT_FALSE(f.input.IsKeyDown(27));
    EXPECT_FALSE(f.input.AnyKeyPressed());
    EXPECT_TRUE(f.input.TakeCloseRequest());
    EXPECT_FALSE(f.input.TakeCloseRequest()) << "taking clears it";
  }
}

TEST(DesktopInput, CloseButtonAndQuitBothRequestClosing) {
  Fixture f;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  f.Feed(quit);
  EXPECT_TRUE(f.input.TakeCloseRequest());
  f.Feed(WindowEvent(SDL_WINDOWEVENT_EXPOSED));
  EXPECT_TRUE(f.notices.needsPresent);
}

}  // namespace
}  // namespace zarvel
