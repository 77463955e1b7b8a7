#pragma once
// Whole files on a POSIX file system, through the C library's stdio (so a
// test can inject faults by wrapping fopen), and the FileStore that keeps
// the game's files in one folder of the disk.

#include <string>

#include "media/FileStore.h"

namespace zarvel {

// Reads a whole disk file; false when it does not exist or fails to read.
bool ReadDiskFile(const std::string& path, std::string& bytes);
// Writes a temporary file in the same folder and renames it over the path,
// keeping an existing file's permissions; refuses an existing file that
// cannot be opened for writing. False (and nothing changed) on failure.
bool ReplaceDiskFile(const std::string& path, const std::string& bytes);
// Whether the file exists and opens for both reading and writing.
bool CanOpenDiskFileReadWrite(const std::string& path);

// The game's files in a folder ("" for the current working directory).
class DiskFileStore final : public FileStore {
 public:
  explicit DiskFileStore(std::string folder = std::string())
      : folder_(std::move(folder)) {}
  void SetFolder(std::string folder) { folder_ = std::move(folder); }

  bool Exists(const std::string& name) override;
  bool Read(const std::string& name, std::string& bytes) override;
  bool WriteReplacing(const std::string& name,
                      const std::string& bytes) override;

 private:
  std::string PathOf(const std::string& name) const;
  std::string folder_;
};

}  // namespace zarvel
