#pragma once
// The software frame pace of a window: the period is 1000 div rate ms and
// the remainder is carried from frame to frame, so exactly `rate` frames fit
// in a second (40 frames of 17 ms and 20 of 16 at 60). A late frame is not
// made up for by faster ones.

#include <cstdint>

namespace zarvel {

class FramePacer {
 public:
  void Start(int32_t now, int rate);
  // Advances the schedule by one frame; returns how long to sleep (0 when
  // the frame is late, which also moves the schedule to now).
  int NextFrameDelay(int32_t now);

 private:
  int32_t scheduled_ = 0;
  int rate_ = 60;
  int period_ = 16;
  int remainder_ = 40;
  int carried_ = 0;
};

}  // namespace zarvel
