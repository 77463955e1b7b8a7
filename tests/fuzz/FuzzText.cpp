// Fuzz target: decoding of text files and the text operations. The bytes
// are decoded as a file would be; the text then goes through the
// conversions and operations, each checked against what its rule promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "media/Text.h"

namespace {

using zarvel::Text;

void Check(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "rule broken: %s\n", rule);
  std::abort();
}

bool ValidUtf8(const std::string& bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    size_t length = lead < 0x80         ? 1
                    : (lead >> 5) == 6  ? 2
                    : (lead >> 4) == 14 ? 3
                    : (lead >> 3) == 30 ? 4
                                        : 0;
    if (length == 0 || at + length > bytes.size()) return false;
    for (size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(bytes[at + i]) & 0xC0) != 0x80)
        return false;
    }
    at += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zarvel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Text text = DecodeTextBytes(bytes);

  // Writing and reading back gives the text again, unless a one-byte file
  // would begin with the bytes of a byte-order mark.
  const std::string encoded = EncodeTextBytes(text);
  const bool looksMarked = encoded.rfind("\xFF\xFE", 0) == 0 ||
                           encoded.rfind("\xFE\xFF", 0) == 0 ||
                           encoded.rfind("\xEF\xBB\xBF", 0) == 0;
  bool wide = false;
  for (char16_t c : text) wide = wide || c > 0xFF;
  if (wide || !looksMarked)
    Check(DecodeTextBytes(encoded) == text, "encode then decode");

  const std::string utf8 = TextToUtf8(text);
  Check(ValidUtf8(utf8), "TextToUtf8 gives valid UTF-8");
  Check(Utf8ToText(TextToUtf8(Utf8ToText(utf8))) == Utf8ToText(utf8),
        "UTF-8 round trip");

  const int length = static_cast<int>(text.size());
  const Text half = text.substr(0, text.size() / 2);
  const int start =
      length > 0 ? static_cast<int>(data[0] % (length + 3)) - 1 : 1;
  const int count = size > 1 ? static_cast<int>(data[1]) - 8 : 3;

  const Text mid = MidText(text, start, count);
  Check(mid.size() <= text.size(), "MidText is no longer than the text");
  Check(start > length || count <= 0 || text.find(mid) != Text::npos,
        "MidText is a piece of the text");
  Check(LeftText(text, count).size() ==
            static_cast<size_t>(std::clamp(count, 0, length)),
        "LeftText length");

  const Text sub = MidText(text, start, 2);
  const int found = FindText(text, sub, 1);
  if (!sub.empty()) {
    Check(found >= 1 && text.compare(found - 1, sub.size(), sub) == 0,
          "FindText finds a piece of the text");
    Check(ContainsText(text, sub), "ContainsText agrees with FindText");
  }

  const Text separator =
      text.empty() ? Text(u";") : Text(1, text[text.size() / 2]);
  const std::vector<Text> pieces = SplitText(text, separator);
  Text joined;
  for (size_t i = 0; i < pieces.size(); ++i)
    joined += (i ? separator : Text()) + pieces[i];
  Check(joined == text, "SplitText pieces join back to the text");

  const Text trimmed = TrimText(text);
  Check(trimmed.empty() || (trimmed.front() > 32 && trimmed.back() > 32),
        "TrimText trims both ends");
  Check(text.find(trimmed) != Text::npos, "TrimText keeps the middle");

  const int32_t value = ParseIntLenient(half);
  (void)value;
  Check(
      ParseIntLenient(FormatInt(static_cast<int32_t>(size * 7919u - 40000))) ==
          static_cast<int32_t>(size * 7919u - 40000),
      "ParseIntLenient reads FormatInt");
  Check(UpperText(text).size() == text.size(), "UpperText maps unit for unit");
  Check(CharText(size > 0 ? data[0] : 0).size() == 1, "CharText is one unit");
  return 0;
}
