// Turning a resource into lines, and the free-text files into the single
// "/"-separated text the console prints.
#include <bit>
#include <cstring>
#include <span>
#include <string_view>

#include "data/RecordLines.h"
#include "data/World.h"

namespace zarvel {

namespace {

// The lines of UTF-16LE bytes (after the mark, an even count), each copied
// straight from the bytes: the form every shipped data file has, read
// without first building the whole text and copying it again line by line.
std::vector<Text> SplitUtf16LeLines(std::span<const unsigned char> units) {
  std::vector<Text> lines;
  const size_t count = units.size() / 2;
  size_t start = 0;
  const auto take = [&](size_t end) {
    Text& line = lines.emplace_back(end - start, u'\0');
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(line.data(), units.data() + 2 * start, 2 * (end - start));
    } else {
      for (size_t i = start; i < end; ++i) {
        line[i - start] =
            static_cast<char16_t>(units[2 * i] | (units[2 * i + 1] << 8));
      }
    }
  };
  for (size_t i = 0; i < count; ++i) {
    if (units[2 * i] == '\n' && units[2 * i + 1] == 0) {
      take(i);
      start = i + 1;
    }
  }
  take(count);
  return lines;
}

}  // namespace

std::vector<Text> ReadTextLines(const ResourceSet& resources,
                                const std::string& resourceName) {
  // Only LF breaks a line: a CR before it stays part of the line, because
  // the readers of raw values (and the intro's lines) keep it.
  const std::span<const unsigned char> bytes = resources.Bytes(resourceName);
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE &&
      bytes.size() % 2 == 0) {
    return SplitUtf16LeLines(bytes.subspan(2));
  }
  return SplitText(
      DecodeTextBytes(std::string_view(
          reinterpret_cast<const char*>(bytes.data()), bytes.size())),
      u"\n");
}

Text JoinTrimmedLines(const std::vector<Text>& lines, const StopCheck& stop) {
  Text joined;
  for (const Text& line : lines) {
    if (StopRequested(stop)) break;
    joined += TrimText(line);
    joined += u'/';
  }
  if (!joined.empty()) joined.pop_back();
  return joined;
}

}  // namespace zarvel
