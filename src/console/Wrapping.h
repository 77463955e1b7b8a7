#pragma once
// Breaking text into lines by pixel width.

#include <vector>

#include "media/Platform.h"
#include "media/Text.h"

namespace zarvel {

// Breaks one "/"-free segment into lines the way ConsolePrint does. With
// breakOnlyWhenWider the break moves back to a space only when the rest is
// wider than the width (the paged text screens); otherwise when it is the
// width or more.
std::vector<Text> WrapSegment(Platform& platform, const Text& segment,
                              int width, bool breakOnlyWhenWider);

}  // namespace zarvel
