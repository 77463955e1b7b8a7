#include "media/FramePacer.h"

namespace zarvel {

namespace {

// The clock wraps at 32 bits; unsigned arithmetic keeps the differences
// right across the wrap.
int32_t AddMillis(int32_t time, int32_t millis) {
  return static_cast<int32_t>(static_cast<uint32_t>(time) +
                              static_cast<uint32_t>(millis));
}

int32_t MillisBetween(int32_t from, int32_t to) {
  return static_cast<int32_t>(static_cast<uint32_t>(to) -
                              static_cast<uint32_t>(from));
}

}  // namespace

void FramePacer::Start(int32_t now, int rate) {
  // A rate the screen cannot mean falls back to the game's own 60.
  rate_ = rate >= 1 && rate <= 1000 ? rate : 60;
  period_ = 1000 / rate_;
  remainder_ = 1000 - period_ * rate_;
  carried_ = 0;
  scheduled_ = now;
}

int FramePacer::NextFrameDelay(int32_t now) {
  scheduled_ = AddMillis(scheduled_, period_);
  carried_ += remainder_;
  if (carried_ >= rate_) {
    carried_ -= rate_;
    scheduled_ = AddMillis(scheduled_, 1);
  }
  const int32_t delay = MillisBetween(now, scheduled_);
  if (delay <= 0) {
    scheduled_ = now;
    return 0;
  }
  return delay;
}

}  // namespace zarvel
