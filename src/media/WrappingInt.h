#pragma once
// 32-bit arithmetic that wraps like every number of the game (scores,
// counters, the command count, hand-edited positions) and like the
// platform's millisecond clock, instead of overflowing into undefined
// behaviour: computed in unsigned arithmetic, where the wrap is defined.

#include <cstdint>

namespace zarvel {

inline int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) +
                              static_cast<uint32_t>(b));
}

inline int32_t WrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) -
                              static_cast<uint32_t>(b));
}

// Milliseconds from since to now on the wrapping clock.
inline int32_t MillisSince(int32_t since, int32_t now) {
  return WrappingSub(now, since);
}

}  // namespace zarvel
