#pragma once
// The position files of the page: a folder of emscripten's file system
// that the page keeps in IndexedDB. A write counts once it is stored
// there, so a position saved survives closing or reloading the page.

#include "media/FileStore.h"
#include "media/posix/DiskFiles.h"

namespace zarvel {

class StoredFiles final : public FileStore {
 public:
  explicit StoredFiles(std::string folder)
      : folder_(folder), disk_(std::move(folder)) {}

  bool Exists(const std::string& name) override { return disk_.Exists(name); }
  bool Read(const std::string& name, std::string& bytes) override {
    return disk_.Read(name, bytes);
  }
  // When the page cannot store the folder, the file is put back as it was
  // (or removed again) and the write fails: nothing has changed, in the
  // page's memory as in IndexedDB.
  bool WriteReplacing(const std::string& name,
                      const std::string& bytes) override;

 private:
  std::string folder_;
  DiskFileStore disk_;
};

}  // namespace zarvel
