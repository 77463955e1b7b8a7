// Whole files on disk. Reading and writing go through stdio; the POSIX
// calls are only for what stdio cannot say: whether an existing file takes
// writes, its permissions, and forcing the data to the disk before the
// rename makes it the file.
#include "media/posix/DiskFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "media/posix/WriteFailure.h"

namespace zarvel {

namespace {

using FilePtr = std::unique_ptr<FILE, int (*)(FILE*)>;

// Creates the temporary file in the target's directory, where rename() can
// replace the target atomically. Its name is the target's, hidden and with
// ".tmp" added, so it does not look like a position file, and it is the
// same for every write of that target: a write cut short by a crash or a
// kill leaves at most this one file, and the next write of the target
// reuses it and renames it away. The umask applies to its mode as it would
// to a file created directly.
FILE* CreateTemporaryBeside(const std::string& path, std::string& tempName) {
  const size_t slash = path.rfind('/');
  const size_t base = slash == std::string::npos ? 0 : slash + 1;
  tempName = path.substr(0, base) + "." + path.substr(base) + ".tmp";
  const int fd =
      ::open(tempName.c_str(),
             O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) ::close(fd);
  return file;
}

}  // namespace

bool ReadDiskFile(const std::string& path, std::string& bytes) {
  FilePtr file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  std::string content;
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    content.append(buffer, n);
  }
  // A directory opens on Linux but fails to read.
  if (std::ferror(file.get())) return false;
  bytes = std::move(content);
  return true;
}

bool ReplaceDiskFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  // An existing file that refuses writing (read-only, a directory) must stay
  // as it is, even though the rename below would be allowed to replace it.
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists) {
    const int probe = ::open(path.c_str(), O_WRONLY);
    if (probe < 0) return false;
    ::close(probe);
  }
  std::string tempName;
  FILE* file = CreateTemporaryBeside(path, tempName);
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  // Replacing keeps the old file's permissions.
  if (ok && exists)
    ok = ::fchmod(::fileno(file), existing.st_mode & 07777) == 0;
  ok = ok && ::fsync(::fileno(file)) == 0;
  ok = std::fclose(file) == 0 && ok;
  ok = ok && std::rename(tempName.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(tempName.c_str());
  return ok;
}

bool CanOpenDiskFileReadWrite(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::string DiskFileStore::PathOf(const std::string& name) const {
  if (folder_.empty()) return name;
  return folder_.back() == '/' ? folder_ + name : folder_ + "/" + name;
}

bool DiskFileStore::Exists(const std::string& name) {
  return CanOpenDiskFileReadWrite(PathOf(name));
}

bool DiskFileStore::Read(const std::string& name, std::string& bytes) {
  return ReadDiskFile(PathOf(name), bytes);
}

bool DiskFileStore::WriteReplacing(const std::string& name,
                                   const std::string& bytes) {
  if (ReplaceDiskFile(PathOf(name), bytes)) return true;
  // The game says only that the disk refused; the folder and the reason
  // are for the player to mend it (a game started from a desktop menu
  // writes into a folder the player did not choose).
  ReportWriteFailure(folder_, name);
  return false;
}

}  // namespace zarvel
