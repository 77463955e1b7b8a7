// Reading and writing whole text files. The encoding is chosen by the
// byte-order mark on reading and by the content on writing, so texts that
// fit in ISO 8859-1 stay one byte per character (the form older position
// files have) and everything else is UTF-16LE with its mark.
#include <string>

#include "media/NamedFiles.h"
#include "media/Text.h"
#include "media/posix/DiskFiles.h"

namespace zarvel {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool StartsWithBytes(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

Text DecodeUtf16(std::string_view bytes, bool littleEndian) {
  Text out;
  out.reserve(bytes.size() / 2 + 1);
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(littleEndian ? static_cast<char16_t>(first | (second << 8))
                               : static_cast<char16_t>((first << 8) | second));
  }
  // A dangling odd byte is half a unit: keep a visible trace of it.
  if (i < bytes.size()) out.push_back(kReplacement);
  return out;
}

}  // namespace

Text DecodeTextBytes(std::string_view bytes) {
  if (StartsWithBytes(bytes, "\xFF\xFE"))
    return DecodeUtf16(bytes.substr(2), true);
  if (StartsWithBytes(bytes, "\xFE\xFF"))
    return DecodeUtf16(bytes.substr(2), false);
  if (StartsWithBytes(bytes, "\xEF\xBB\xBF"))
    return Utf8ToText(bytes.substr(3));
  Text out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(static_cast<unsigned char>(c));
  return out;
}

std::string EncodeTextBytes(const Text& text) {
  bool wide = false;
  for (char16_t c : text) wide = wide || c > 0xFF;
  std::string bytes;
  if (!wide) {
    bytes.reserve(text.size());
    for (char16_t c : text) bytes.push_back(static_cast<char>(c));
    return bytes;
  }
  bytes.reserve(2 + 2 * text.size());
  bytes += "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

Text ReadTextFile(const ResourceSet& resources, const std::string& name) {
  std::string bytes;
  if (!ReadFileBytes(resources, name, bytes)) return Text();
  return DecodeTextBytes(bytes);
}

bool WriteTextFile(const Text& text, const std::string& name) {
  if (name.starts_with(kResourcePrefix)) return false;
  return ReplaceDiskFile(name, EncodeTextBytes(text));
}

bool CanOpenReadWrite(const std::string& name) {
  if (name.starts_with(kResourcePrefix)) return false;
  return CanOpenDiskFileReadWrite(name);
}

}  // namespace zarvel
