// Reading and writing whole text files. The encoding is chosen by the
// byte-order mark on reading and by the content on writing, so texts that
// fit in ISO 8859-1 stay one byte per character (the form older position
// files have) and everything else is UTF-16LE with its mark.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "media/Resources.h"
#include "media/Text.h"

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

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Creates the temporary file in the target's directory, where rename() can
// replace the target atomically. Its name is the target's, hidden and with
// ".tmp" added, so it does not look like a position file, and it is the
// same for every write of that target: a write cut short by a crash or a
// kill leaves at most this one file, and the next write of the target
// reuses it and renames it away. The umask applies to its mode as it would
// to a file created directly.
int CreateTemporaryBeside(const std::string& name, std::string& tempName) {
  const size_t slash = name.rfind('/');
  const size_t base = slash == std::string::npos ? 0 : slash + 1;
  tempName = name.substr(0, base) + "." + name.substr(base) + ".tmp";
  return ::open(tempName.c_str(),
                O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
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

Text ReadTextFile(const std::string& name) {
  std::string bytes;
  if (!ReadFileBytes(name, bytes)) return Text();
  return DecodeTextBytes(bytes);
}

bool WriteTextFile(const Text& text, const std::string& name) {
  if (name.empty() || name.starts_with(kResourcePrefix)) return false;
  // An existing file that refuses writing (read-only, a directory) must stay
  // as it is, even though the rename below would be allowed to replace it.
  struct stat existing {};
  const bool exists = ::stat(name.c_str(), &existing) == 0;
  if (exists) {
    const int probe = ::open(name.c_str(), O_WRONLY);
    if (probe < 0) return false;
    ::close(probe);
  }
  std::string tempName;
  const int fd = CreateTemporaryBeside(name, tempName);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, EncodeTextBytes(text));
  // Replacing keeps the old file's permissions.
  if (ok && exists) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(tempName.c_str(), name.c_str()) == 0;
  if (!ok) ::unlink(tempName.c_str());
  return ok;
}

bool CanOpenReadWrite(const std::string& name) {
  if (name.starts_with(kResourcePrefix)) return false;
  const int fd = ::open(name.c_str(), O_RDWR);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace zarvel
