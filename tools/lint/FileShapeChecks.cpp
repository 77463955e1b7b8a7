// Faults of form: a record file whose lines do not divide into records, a
// field that holds what belongs to its neighbour, a list the engine would
// read differently from what the author wrote.
#include <string>

#include "Checks.h"
#include "ListSites.h"

namespace zarvel::lint {

namespace {

void Error(Report& report, const DataFile& file, int line,
           std::string message) {
  report.Error(file.id, file.path, line, std::move(message));
}

bool LooksLikeExits(const Text& text) {
  const std::vector<Text> parts = SplitText(text, u",");
  if (parts.size() < 2) return false;
  for (const Text& part : parts) {
    if (!IsInteger(part)) return false;
  }
  return true;
}

// A field that holds a number, a list or a line of exits where text belongs
// is the mark of a missing or extra line above it.
bool LooksLikeOtherField(const Text& field) {
  return IsInteger(field) || LooksLikeExits(field) ||
         LooksLikeList(field, ListKind::kConditions) ||
         LooksLikeList(field, ListKind::kEffects);
}

void CheckWholeRecords(const DataFile& file, int length, Report& report) {
  const size_t whole = file.lines.size() / length * length;
  for (size_t i = whole; i < file.lines.size(); ++i) {
    if (!TrimText(file.lines[i]).empty()) {
      Error(report, file, static_cast<int>(i) + 1,
            std::to_string(file.lines.size() - whole) +
                " line(s) after the last whole record of " +
                std::to_string(length) +
                " lines are ignored: a line is missing or extra above");
      break;
    }
  }
  // The first header that holds a field shows where the shift begins.
  for (size_t i = 0; i < whole; i += length) {
    const Text header = TrimText(file.lines[i]);
    if (header.empty() || LooksLikeOtherField(header)) {
      Error(report, file, static_cast<int>(i) + 1,
            "a record header is expected here (records are " +
                std::to_string(length) +
                " lines each): a line is missing or extra above");
      break;
    }
  }
}

void CheckNoun(const DataFile& file, int line, const Text& noun,
               Report& report) {
  if (noun.size() < 3) {
    Error(report, file, line,
          noun.empty() ? "empty noun: no typed noun can select this record"
                       : "the noun " + Quoted(noun) +
                             " is shorter than the three characters a "
                             "typed noun needs");
  } else if (LooksLikeOtherField(noun)) {
    Error(report, file, line,
          "the noun " + Quoted(noun) +
              " reads like a condition, an effect or a number: a line is "
              "missing or extra above");
  }
}

void CheckText(const DataFile& file, int line, const Text& text,
               Report& report) {
  if (!text.empty() && LooksLikeOtherField(text)) {
    Error(report, file, line,
          "the text " + Quoted(text) +
              " reads like a condition, an effect or a number: a line is "
              "missing or extra above");
  }
}

void CheckInteger(const DataFile& file, int line, const Text& value,
                  const char* what, Report& report) {
  if (!IsInteger(value)) {
    Error(report, file, line,
          std::string(what) + " " + Quoted(value) +
              " is not a whole number (the game reads it as " +
              std::to_string(ParseIntLenient(value)) + ")");
  }
}

void CheckLists(const DataSet& data, Report& report) {
  for (ListKind kind : {ListKind::kConditions, ListKind::kEffects}) {
    for (const ListSite& site : ListSites(data, kind)) {
      const DataFile& file = data.file(site.file);
      if (site.text.empty()) {
        if (kind == ListKind::kConditions && site.file != kLocationsFile) {
          Error(report, file, site.line,
                "empty conditions: this record never fires");
        }
        continue;
      }
      for (const std::string& problem : ListProblems(site.text, kind)) {
        Error(report, file, site.line, problem);
      }
    }
  }
}

void CheckLocations(const DataSet& data, Report& report) {
  const DataFile& file = data.file(kLocationsFile);
  const auto& variants = data.world->locationVariants;
  for (int r = 0; r < variants.count; ++r) {
    const LocationVariant& v = variants.slots[r];
    CheckInteger(file, LineOfField(kLocationRecordLines, r, 1),
                 TrimText(v.room), "the room number", report);
    const std::vector<Text> exits = SplitText(v.exits, u",");
    bool numbers = exits.size() == 6;
    for (const Text& exit : exits) numbers = numbers && IsInteger(exit);
    if (!numbers) {
      Error(report, file, LineOfField(kLocationRecordLines, r, 4),
            "the exits " + Quoted(v.exits) +
                " are not six whole numbers (north, south, east, west, up, "
                "down)");
    }
    CheckText(file, LineOfField(kLocationRecordLines, r, 5), v.description,
              report);
  }
}

template <typename TableT>
void CheckRules(const DataSet& data, FileId id, int length, const TableT& table,
                Report& report) {
  const DataFile& file = data.file(id);
  for (int r = 0; r < table.count; ++r) {
    const RuleEntry& rule = table.slots[r];
    CheckNoun(file, LineOfField(length, r, 1), rule.noun, report);
    if (length == 6) {
      CheckInteger(file, LineOfField(length, r, 4), rule.blocking, "blocking",
                   report);
    }
    CheckText(file, LineOfField(length, r, length - 1), rule.text, report);
  }
}

template <typename TableT>
void CheckEvents(const DataSet& data, FileId id, const TableT& table,
                 Report& report) {
  const DataFile& file = data.file(id);
  for (int r = 0; r < table.count; ++r) {
    CheckText(file, LineOfField(kEventRecordLines, r, 3), table.slots[r].text,
              report);
  }
}

void CheckDialogues(const DataSet& data, Report& report) {
  const DataFile& file = data.file(kDialoguesFile);
  const auto& dialogues = data.world->dialogues;
  for (int r = 0; r < dialogues.count; ++r) {
    const DialogueEntry& d = dialogues.slots[r];
    CheckNoun(file, LineOfField(kDialogueRecordLines, r, 1), d.noun, report);
    CheckInteger(file, LineOfField(kDialogueRecordLines, r, 3), d.level,
                 "level", report);
    CheckInteger(file, LineOfField(kDialogueRecordLines, r, 7), d.nextLevel,
                 "nextLevel", report);
    for (int f : {4, 5, 6}) {
      const Text& text = f == 4   ? d.optionText
                         : f == 5 ? d.playerLine
                                  : d.reply;
      CheckText(file, LineOfField(kDialogueRecordLines, r, f), text, report);
    }
  }
}

void CheckItemRows(const DataSet& data, Report& report) {
  const DataFile& file = data.file(kItemsFile);
  std::vector<int> lineOfId(kItemCapacity, 0);
  const int lineCount = static_cast<int>(file.lines.size());
  for (int i = 0; i < lineCount; ++i) {
    const int line = i + 1;
    const Text& row = file.lines[i];
    const std::vector<Text> fields = SplitText(row, u";");
    if (TrimText(row).empty()) {
      Error(report, file, line,
            "empty line: every line of the items file is an item row (the "
            "file must not end with a line break)");
      continue;
    }
    if (fields.size() < 5) {
      Error(report, file, line,
            "an item row needs five fields (id;location;name;takenName;"
            "mobility), this one has " +
                std::to_string(fields.size()));
      continue;
    }
    CheckInteger(file, line, fields[0], "the item id", report);
    CheckInteger(file, line, fields[1], "the location", report);
    const int id = ParseIntLenient(fields[0]);
    if (id < 0 || id >= kItemCapacity) {
      Error(report, file, line,
            "item id " + std::to_string(id) + " is outside 0 to 999");
      continue;
    }
    if (lineOfId[id] != 0) {
      Error(report, file, line,
            "item " + std::to_string(id) + " is defined again (first on line " +
                std::to_string(lineOfId[id]) + "); this line wins");
    }
    lineOfId[id] = line;
    if (id > data.world->itemCount) {
      Error(report, file, line,
            "item " + std::to_string(id) + " is beyond the " +
                std::to_string(lineCount) +
                " lines of the file: no item scan ever reaches it");
    }
    const Text mobility = TrimText(fields[4]);
    if (mobility != u"static" && mobility != u"movable" &&
        mobility != u"null") {
      Error(report, file, line,
            "mobility " + Quoted(mobility) +
                " is neither static nor movable (anything but \"static\" "
                "can be taken)");
    }
    if (id > 0 && TrimText(fields[2]).empty()) {
      Error(report, file, line, "item " + std::to_string(id) + " has no name");
    }
  }
}

// The title menu shows the story and the foreword on paged screens that
// draw markup characters as they are; the console would interpret them.
void CheckPagedTexts(const DataSet& data, FileId id, Report& report) {
  const DataFile& file = data.file(id);
  for (size_t i = 0; i < file.lines.size(); ++i) {
    const Text& line = file.lines[i];
    for (const char16_t* mark : {u"*", u"%", u"×", u"<->"}) {
      if (line.find(mark) != Text::npos) {
        Error(report, file, static_cast<int>(i) + 1,
              "the mark " + Quoted(mark) +
                  " shows as it is on the title menu's paged screen");
        break;
      }
    }
  }
}

}  // namespace

void CheckFileShapes(const DataSet& data, Report& report) {
  std::string missing;
  for (const DataFile& file : data.files) {
    if (!file.present) {
      missing += (missing.empty() ? "" : ", ") + file.name;
    } else if (!file.byteOrderMark) {
      Error(report, file, 0,
            "no byte-order mark: the game would read every byte as one "
            "8-bit character");
    }
  }
  // A folder may hold only some of the files (a test case, a file being
  // written): said once, and the checks that need the others are skipped.
  if (!missing.empty()) {
    report.Note(
        kFileCount, data.folder,
        "not in the folder, so read as empty and not checked: " + missing);
  }
  for (const RecordFileKind& kind : kRecordFiles) {
    if (data.has(kind.file)) {
      CheckWholeRecords(data.file(kind.file), kind.length, report);
    }
  }
  CheckLists(data, report);
  const World& world = *data.world;
  if (data.has(kLocationsFile)) CheckLocations(data, report);
  if (data.has(kExamineFile)) {
    CheckRules(data, kExamineFile, kObjectRuleRecordLines, world.examineRules,
               report);
  }
  if (data.has(kUseFile))
    CheckRules(data, kUseFile, kObjectRuleRecordLines, world.useRules, report);
  if (data.has(kTakeRulesFile)) {
    CheckRules(data, kTakeRulesFile, kItemRuleRecordLines, world.takeRules,
               report);
  }
  if (data.has(kDropRulesFile)) {
    CheckRules(data, kDropRulesFile, kItemRuleRecordLines, world.dropRules,
               report);
  }
  if (data.has(kInventoryEventsFile)) {
    CheckEvents(data, kInventoryEventsFile, world.inventoryEvents, report);
  }
  if (data.has(kEventsFile))
    CheckEvents(data, kEventsFile, world.events, report);
  if (data.has(kDialoguesFile)) CheckDialogues(data, report);
  if (data.has(kItemsFile)) CheckItemRows(data, report);
  for (FileId id : {kIntroFile, kLegendFile}) {
    if (data.has(id)) CheckPagedTexts(data, id, report);
  }
}

}  // namespace zarvel::lint
