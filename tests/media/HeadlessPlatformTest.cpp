#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "media/EmbeddedResources.h"
#include "media/headless/HeadlessPlatform.h"

namespace zarvel {
namespace {

using Kind = HeadlessPlatform::Observed::Kind;

class HeadlessPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform_.OpenScreen(800, 600, 0, 60)); }
  HeadlessPlatform platform_{EmbeddedResources()};
};

TEST_F(HeadlessPlatformTest, SixtyFlipsTakeOneSecondOfTheVirtualClock) {
  EXPECT_EQ(platform_.ClockMillis(), 0);
  std::map<int, int> lengths;
  for (int frame = 0; frame < 60; ++frame) {
    const int32_t before = platform_.ClockMillis();
    platform_.Flip();
    ++lengths[platform_.ClockMillis() - before];
  }
  EXPECT_EQ(platform_.ClockMillis(), 1000);
  EXPECT_EQ(lengths[17], 40);
  EXPECT_EQ(lengths[16], 20);
  EXPECT_EQ(platform_.flipCount(), 60);
}

TEST_F(HeadlessPlatformTest, TheClockMovesOnlyThroughWaiting) {
  platform_.SetKeyLines({"a"});
  EXPECT_EQ(platform_.NextChar(), 'a');  // a character costs no time
  EXPECT_EQ(platform_.NextChar(), 13);
  platform_.SetTypingHeld(true);
  EXPECT_EQ(platform_.NextChar(), 0);  // an empty poll: 1 ms
  EXPECT_EQ(platform_.ClockMillis(), 1);
  platform_.SleepMillis(3000);
  platform_.SleepMillis(-5);
  EXPECT_EQ(platform_.ClockMillis(), 3001);
  // A frame after a long pause is not hurried, and drawing costs nothing.
  platform_.DrawRect(0, 0, 800, 600);
  platform_.Flip();
  EXPECT_EQ(platform_.ClockMillis(), 3001);
  platform_.Flip();
  EXPECT_EQ(platform_.ClockMillis(), 3018);
}

TEST_F(HeadlessPlatformTest, WaitTickSleepsToTheNextTickAndCountsMissedOnes) {
  platform_.SleepMillis(7);
  const TickerHandle ticker = platform_.CreateTicker(20);
  ASSERT_NE(ticker, 0);
  EXPECT_EQ(platform_.WaitTick(ticker), 1);
  EXPECT_EQ(platform_.ClockMillis(), 57);
  EXPECT_EQ(platform_.WaitTick(ticker), 1);
  EXPECT_EQ(platform_.ClockMillis(), 107);
  platform_.SleepMillis(160);  // three ticks happen meanwhile
  EXPECT_EQ(platform_.WaitTick(ticker), 3);
  EXPECT_EQ(platform_.ClockMillis(), 267);
  EXPECT_EQ(platform_.WaitTick(ticker), 1);
  EXPECT_EQ(platform_.ClockMillis(), 307);

  const TickerHandle odd = platform_.CreateTicker(3);  // 333.3 ms per tick
  EXPECT_EQ(platform_.WaitTick(odd), 1);
  EXPECT_EQ(platform_.ClockMillis(), 307 + 334);
  EXPECT_EQ(platform_.CreateTicker(0), 0);
  EXPECT_EQ(platform_.WaitTick(0), 0);
}

TEST_F(HeadlessPlatformTest, OpenScreenResetsTheDrawingStateKeepingResources) {
  const FontHandle font =
      platform_.LoadFontResource("incbin::font/Ubuntu-C.ttf", 20, true);
  const ImageHandle logo =
      platform_.LoadImageResource("incbin::gfx/zarvellogo.png");
  ASSERT_NE(font, 0);
  ASSERT_NE(logo, 0);
  platform_.SelectFont(font);
  platform_.SetBlend(BlendMode::Alpha);
  platform_.SetColor(1, 2, 3);
  EXPECT_EQ(platform_.FontHeight(), 23);
  EXPECT_EQ(platform_.TextWidthOf(u"Z"), platform_.font(font)->AdvanceOf(u'Z'));

  ASSERT_TRUE(platform_.OpenScreen(800, 600, 32, 60));
  EXPECT_EQ(platform_.screenDepth(), 32);
  EXPECT_EQ(platform_.renderer().blend(), BlendMode::Masked);
  EXPECT_EQ(platform_.renderer().color(), (Rgb{255, 255, 255}));
  EXPECT_EQ(platform_.FontHeight(), 0);  // no font until selected again
  EXPECT_EQ(platform_.TextWidthOf(u"Z"), 0);
  EXPECT_EQ(platform_.GetImageSize(logo).height, 27);
  platform_.SelectFont(font);
  EXPECT_EQ(platform_.FontHeight(), 23);
  EXPECT_FALSE(platform_.OpenScreen(0, 600, 0, 60));
}

TEST_F(HeadlessPlatformTest, ImagesLoadFromTheEmbeddedSet) {
  const ImageHandle logo =
      platform_.LoadImageResource("incbin::gfx/zarvellogo.png");
  ASSERT_NE(logo, 0);
  const ImageSize size = platform_.GetImageSize(logo);
  EXPECT_EQ(size.height, 27);
  EXPECT_GT(size.width, 0);
  EXPECT_EQ(platform_.LoadImageResource("incbin::gfx/none.png"), 0);
  EXPECT_EQ(platform_.LoadImageResource("incbin::dat/help.txt"), 0);
  EXPECT_EQ(platform_.GetImageSize(99).width, 0);
  platform_.DrawImageAt(99, 0, 0);  // an unknown image draws nothing
}

TEST_F(HeadlessPlatformTest, SoundsDecodeAndChannelsKeepTheirState) {
  const SoundHandle track =
      platform_.LoadSound("incbin::msx/white_mouse_ate_cat.ogg", true);
  ASSERT_NE(track, 0);
  ASSERT_NE(platform_.sound(track), nullptr);
  EXPECT_TRUE(platform_.sound(track)->loop);
  EXPECT_EQ(platform_.sound(track)->pcm.channels, 2);
  // Decoded when first asked for: the same samples as decoding at once.
  std::string bytes;
  PcmSound direct;
  ASSERT_TRUE(platform_.Resources().Read("msx/white_mouse_ate_cat.ogg", bytes));
  ASSERT_TRUE(DecodeOggVorbis(bytes, direct));
  EXPECT_FALSE(direct.samples.empty());
  EXPECT_TRUE(platform_.sound(track)->pcm.samples == direct.samples);
  EXPECT_EQ(platform_.LoadSound("incbin::font/Ubuntu-C.ttf", true), 0);

  const ChannelHandle first = platform_.Play(track);
  const ChannelHandle second = platform_.Play(track);
  ASSERT_NE(first, 0);
  EXPECT_NE(second, first);  // every Play is a new channel
  EXPECT_FALSE(platform_.channel(first)->paused);
  EXPECT_FLOAT_EQ(platform_.channel(first)->volume, 1.0f);
  platform_.SetPaused(first, true);
  platform_.SetVolume(second, 0.35f);
  EXPECT_TRUE(platform_.channel(first)->paused);
  EXPECT_FALSE(platform_.channel(second)->paused);
  EXPECT_FLOAT_EQ(platform_.channel(second)->volume, 0.35f);
  platform_.SetVolume(second, -0.05f);  // a fade's last step overshooting
  EXPECT_FLOAT_EQ(platform_.channel(second)->volume, 0.0f);
  EXPECT_EQ(platform_.Play(0), 0);
  platform_.SetPaused(42, true);  // unknown channels are ignored
}

TEST_F(HeadlessPlatformTest, TraceAndConfirmReachTheSinkInOrder) {
  std::vector<std::string> out;
  platform_.SetOutputSink(
      [&out](const std::string& line) { out.push_back(line); });
  platform_.SetKeyLines({"{quit}{noenter}"});
  platform_.TraceLine(u"dropall activated");
  EXPECT_FALSE(platform_.Confirm(u"Ukončit hru?", false));  // no request
  EXPECT_EQ(platform_.NextChar(), 0);
  EXPECT_TRUE(platform_.TakeCloseRequest());
  EXPECT_TRUE(platform_.Confirm(u"Ukončit hru?", false));
  EXPECT_EQ(out, (std::vector<std::string>{"dropall activated",
                                           "[confirm] Ukončit hru?",
                                           "[confirm] Ukončit hru?"}));
  const auto& seen = platform_.observed();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].kind, Kind::Trace);
  EXPECT_EQ(seen[1].kind, Kind::Confirm);
  EXPECT_FALSE(seen[1].answer);
  EXPECT_EQ(seen[2].kind, Kind::CloseRequestTaken);
  EXPECT_EQ(seen[3].kind, Kind::Confirm);
  EXPECT_TRUE(seen[3].answer);
}

TEST_F(HeadlessPlatformTest, EndProgramThrowsWithStatusZero) {
  try {
    platform_.EndProgram();
    FAIL() << "EndProgram returned";
  } catch (const ProgramEnded& ended) {
    EXPECT_EQ(ended.status, 0);
  }
  EXPECT_EQ(platform_.observed().back().kind, Kind::EndProgram);
}

TEST_F(HeadlessPlatformTest, KeyScriptTextIsTypedLineByLine) {
  platform_.SetKeyScript("S\r\n{esc}{noenter}\n");
  EXPECT_EQ(platform_.NextChar(), 'S');
  EXPECT_EQ(platform_.NextChar(), 13);
  EXPECT_EQ(platform_.NextChar(), 27);
  EXPECT_TRUE(platform_.IsKeyDown(27));
  platform_.DiscardInput();
  EXPECT_FALSE(platform_.IsKeyDown(27));
  EXPECT_THROW(platform_.WaitKeyPress(), InputExhausted);
}

TEST_F(HeadlessPlatformTest, SkippedKeyWaitsTakeNoInput) {
  platform_.SetKeyLines({"ab", "c"});
  platform_.SetSkipKeyWaits(true);
  EXPECT_TRUE(platform_.SkipsKeyWaits());
  EXPECT_EQ(platform_.NextChar(), 'a');
  platform_.WaitKeyPress();  // skipped: nothing discarded, nothing typed
  EXPECT_EQ(platform_.NextChar(), 'b');
  platform_.SetSkipKeyWaits(false);
  platform_.WaitKeyPress();
  EXPECT_EQ(platform_.NextChar(), 'c');
}

TEST_F(HeadlessPlatformTest, SavesThePresentedFrameAsPng) {
  platform_.SetColor(48, 48, 128);
  platform_.DrawRect(0, 43, 800, 525);
  platform_.Flip();
  platform_.SetColor(255, 0, 0);
  platform_.DrawRect(0, 0, 800, 600);  // drawn, never presented
  const std::string path = ZARVEL_BINARY_DIR "/headless-screenshot-test.png";
  ASSERT_TRUE(platform_.SavePresentedFrame(path));
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  RgbaImage shot;
  ASSERT_TRUE(DecodePng(bytes, shot));
  ASSERT_EQ(shot.width, 800);
  ASSERT_EQ(shot.height, 600);
  const size_t inside = (100 * 800 + 5) * 4;
  EXPECT_EQ(shot.pixels[inside], 48);
  EXPECT_EQ(shot.pixels[inside + 2], 128);
  EXPECT_EQ(shot.pixels[inside + 3], 255);
  EXPECT_EQ(shot.pixels[(10 * 800 + 5) * 4], 0);
  std::remove(path.c_str());
  EXPECT_FALSE(
      platform_.SavePresentedFrame(ZARVEL_BINARY_DIR "/no/such/dir/x.png"));
}

}  // namespace
}  // namespace zarvel
