#pragma once
// The headless platform's time: milliseconds from 0 that move only when the
// program waits (a paced frame, a sleep, a ticker, an empty keyboard poll),
// so every run of the same script sees exactly the same times.

#include <cstdint>

namespace zarvel {

struct VirtualClock {
  int64_t now = 0;

  void Advance(int64_t millis) {
    if (millis > 0) now += millis;
  }
  void AdvanceTo(int64_t time) {
    if (time > now) now = time;
  }
  // The platform's 32-bit wrapping clock value.
  int32_t Millis32() const {
    return static_cast<int32_t>(static_cast<uint32_t>(now));
  }
};

}  // namespace zarvel
