#pragma once
// The fifteen data files of one folder, read the way the game reads them:
// each file's bytes are fed to the engine's own loader, so the checker sees
// exactly the records, fields and texts the player would get.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/World.h"

namespace zarvel::lint {

enum FileId {
  kItemsFile,
  kInitFile,
  kLocationsFile,
  kExamineFile,
  kUseFile,
  kInventoryEventsFile,
  kEventsFile,
  kTakeRulesFile,
  kDropRulesFile,
  kLegendFile,
  kDictionaryFile,
  kIntroFile,
  kDialoguesFile,
  kOutroFile,
  kHelpFile,
  kFileCount
};

struct DataFile {
  FileId id = kItemsFile;
  std::string name;  // "lokace.txt"
  std::string path;  // the folder and the name, as findings show it
  bool present = false;
  bool byteOrderMark = false;
  std::vector<Text> lines;  // split at LF, a CR before it kept
};

struct DataSet {
  std::string folder;
  std::array<DataFile, kFileCount> files;
  // Filled by the engine's LoadWorld from the folder's files. Held on the
  // heap: the tables are large.
  std::unique_ptr<World> world = std::make_unique<World>();

  const DataFile& file(FileId id) const { return files[id]; }
  bool has(FileId id) const { return files[id].present; }
};

// Reads the folder. A missing file reads as empty (and the checks that need
// it are skipped); false only when the folder itself cannot be read.
bool LoadDataSet(const std::string& folder, DataSet& data, std::string& error);

// The record files and their record lengths (header line included).
struct RecordFileKind {
  FileId file;
  int length;
};
inline constexpr std::array<RecordFileKind, 8> kRecordFiles = {{
    {kLocationsFile, 6},
    {kExamineFile, 5},
    {kUseFile, 5},
    {kInventoryEventsFile, 4},
    {kEventsFile, 4},
    {kTakeRulesFile, 6},
    {kDropRulesFile, 6},
    {kDialoguesFile, 9},
}};

// 1-based line of field f (0 = the header) of record r.
inline int LineOfField(int recordLength, int record, int field) {
  return recordLength * record + field + 1;
}

}  // namespace zarvel::lint
