#pragma once
// Differences of the platform's millisecond clock, which is 32-bit and may
// wrap: computed in unsigned arithmetic so the wrap stays well defined.

#include <cstdint>

namespace zarvel {

inline int32_t MillisSince(int32_t since, int32_t now) {
  return static_cast<int32_t>(static_cast<uint32_t>(now) -
                              static_cast<uint32_t>(since));
}

}  // namespace zarvel
