#include <gtest/gtest.h>

#include <map>

#include "media/FramePacer.h"

namespace zarvel {
namespace {

TEST(FramePacer, SixtyFramesFillExactlyOneSecond) {
  FramePacer pacer;
  pacer.Start(0, 60);
  int32_t now = 0;
  std::map<int, int> lengths;
  for (int frame = 0; frame < 60; ++frame) {
    const int delay = pacer.NextFrameDelay(now);
    now += delay;
    ++lengths[delay];
  }
  EXPECT_EQ(now, 1000);
  EXPECT_EQ(lengths[17], 40);
  EXPECT_EQ(lengths[16], 20);
  EXPECT_EQ(lengths.size(), 2u);
}

TEST(FramePacer, TimeSpentDrawingIsTakenFromTheWait) {
  FramePacer pacer;
  pacer.Start(100, 60);
  EXPECT_EQ(pacer.NextFrameDelay(105), 11);  // due at 116
}

TEST(FramePacer, ALateFrameIsNotMadeUpForByFasterOnes) {
  FramePacer pacer;
  pacer.Start(0, 60);
  EXPECT_EQ(pacer.NextFrameDelay(0), 16);
  // A long pause (a message box): the frame is late, no wait, and the
  // schedule restarts from now instead of hurrying to catch up.
  EXPECT_EQ(pacer.NextFrameDelay(5000), 0);
  EXPECT_EQ(pacer.NextFrameDelay(5000), 17);
  EXPECT_EQ(pacer.NextFrameDelay(5017), 16);
}

TEST(FramePacer, PacesOtherRatesAndAcrossTheClockWrap) {
  FramePacer pacer;
  pacer.Start(0, 70);  // 14 ms, 20 ms carried per frame
  int32_t now = 0;
  for (int frame = 0; frame < 70; ++frame) now += pacer.NextFrameDelay(now);
  EXPECT_EQ(now, 1000);

  const int32_t nearWrap = INT32_MAX - 5;
  pacer.Start(nearWrap, 60);
  EXPECT_EQ(pacer.NextFrameDelay(nearWrap), 16);
  // The schedule wrapped to INT32_MIN + 10 with the clock.
  EXPECT_EQ(pacer.NextFrameDelay(INT32_MIN + 10), 17);
  EXPECT_EQ(pacer.NextFrameDelay(INT32_MIN + 100), 0);
}

}  // namespace
}  // namespace zarvel
