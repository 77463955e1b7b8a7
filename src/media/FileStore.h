#pragma once
// Where the game keeps its own files (the position slots): reached through
// Platform::Files(), so a front end without a POSIX file system can store
// them its own way. Names are plain file names such as "pozice_01.sav".

#include <string>

namespace zarvel {

class FileStore {
 public:
  virtual ~FileStore() = default;
  // Whether the file exists and opens for both reading and writing: a slot
  // that could not be written again counts as free.
  virtual bool Exists(const std::string& name) = 0;
  // The whole file; false when it does not exist or cannot be read.
  virtual bool Read(const std::string& name, std::string& bytes) = 0;
  // Creates or replaces the file so that an interrupted write never leaves
  // a half-written one. False when it cannot be written (and then nothing
  // was changed); an existing file that refuses writing stays as it is.
  virtual bool WriteReplacing(const std::string& name,
                              const std::string& bytes) = 0;
};

}  // namespace zarvel
