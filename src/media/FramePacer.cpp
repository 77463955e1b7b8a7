#include "media/FramePacer.h"

#include "media/WrappingInt.h"

namespace zarvel {

void FramePacer::Start(int32_t now, int rate) {
  // A rate the screen cannot mean falls back to the game's own 60.
  rate_ = rate >= 1 && rate <= 1000 ? rate : 60;
  period_ = 1000 / rate_;
  remainder_ = 1000 - period_ * rate_;
  carried_ = 0;
  scheduled_ = now;
}

int FramePacer::NextFrameDelay(int32_t now) {
  scheduled_ = WrappingAdd(scheduled_, period_);
  carried_ += remainder_;
  if (carried_ >= rate_) {
    carried_ -= rate_;
    scheduled_ = WrappingAdd(scheduled_, 1);
  }
  const int32_t delay = MillisSince(now, scheduled_);
  if (delay <= 0) {
    scheduled_ = now;
    return 0;
  }
  return delay;
}

}  // namespace zarvel
