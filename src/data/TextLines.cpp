// Turning a resource into lines, and the free-text files into the single
// "/"-separated text the console prints.
#include "data/RecordLines.h"
#include "data/World.h"

namespace zarvel {

std::vector<Text> ReadTextLines(const ResourceSet& resources,
                                const std::string& resourceName) {
  std::string bytes;
  resources.Read(resourceName, bytes);
  // Only LF breaks a line: a CR before it stays part of the line, because
  // the readers of raw values (and the intro's lines) keep it.
  return SplitText(DecodeTextBytes(bytes), u"\n");
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
