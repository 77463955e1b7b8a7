#include "media/web/PageInput.h"

#include <array>
#include <cstdint>

#include "media/web/PageBridge.h"

namespace zarvel {

bool TakePageInput(InputState& input) {
  constexpr int kBatch = 64;
  std::array<int32_t, kBatch * 2> events{};
  bool any = false;
  for (;;) {
    const int count = zarvel_page_take_input(events.data(), kBatch);
    for (int i = 0; i < count; ++i) {
      const int value = events[2 * i + 1];
      switch (static_cast<PageEvent>(events[2 * i])) {
        case PageEvent::Char:
          input.PushChar(static_cast<char16_t>(value));
          break;
        case PageEvent::KeyDown:
          input.KeyDown(value);
          break;
        case PageEvent::KeyUp:
          input.KeyUp(value);
          break;
        case PageEvent::Discard:
          input.Discard();
          break;
      }
    }
    any = any || count > 0;
    if (count < kBatch) return any;
  }
}

}  // namespace zarvel
