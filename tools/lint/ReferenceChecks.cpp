// References between the files: item numbers, counters and conversation
// levels that point at nothing the data defines.
#include <map>
#include <set>
#include <string>

#include "Checks.h"
#include "ListSites.h"

namespace zarvel::lint {

namespace {

std::set<int> DefinedItems(const DataFile& items) {
  std::set<int> ids;
  for (const Text& row : items.lines) {
    const std::vector<Text> fields = SplitText(row, u";");
    if (fields.size() >= 5 && IsInteger(fields[0])) {
      ids.insert(ParseIntLenient(fields[0]));
    }
  }
  return ids;
}

void CheckItemNumbers(const DataSet& data, Report& report) {
  const std::set<int> defined = DefinedItems(data.file(kItemsFile));
  for (ListKind kind : {ListKind::kConditions, ListKind::kEffects}) {
    for (const ListSite& site : ListSites(data, kind)) {
      for (const ListElement& e : SplitList(site.text, kind)) {
        if (e.keyword != u"pr=") continue;
        const auto id = IntegerOf(e.first);
        if (id && !defined.contains(*id)) {
          report.Error(site.file, data.file(site.file).path, site.line,
                       Quoted(e.text) + " names item " + std::to_string(*id) +
                           ", which the items file does not define");
        }
      }
    }
  }
}

struct CounterUse {
  std::set<Text> statesSet;  // every state an effect gives it
  bool valueSet = false;     // an effect sets its value
};

void CheckCounters(const DataSet& data, Report& report) {
  std::map<int, CounterUse> uses;
  for (const ListSite& site : ListSites(data, ListKind::kEffects)) {
    for (const ListElement& e : SplitList(site.text, ListKind::kEffects)) {
      const auto number = IntegerOf(e.first);
      if (!number || !e.hasSlash) continue;
      if (e.keyword == u"cnt=") uses[*number].valueSet = true;
      if (e.keyword == u"cnt_st=") uses[*number].statesSet.insert(e.second);
    }
  }
  for (const ListSite& site : ListSites(data, ListKind::kConditions)) {
    for (const ListElement& e : SplitList(site.text, ListKind::kConditions)) {
      const auto number = IntegerOf(e.first);
      if (!number || !e.hasSlash) continue;
      const CounterUse& use = uses[*number];
      const std::string where = data.file(site.file).path;
      if (e.keyword == u"cnt_st=" && !e.second.empty() &&
          !use.statesSet.contains(e.second)) {
        report.Error(site.file, where, site.line,
                     Quoted(e.text) + " tests counter " +
                         std::to_string(*number) +
                         ", but no effect ever sets "
                         "its state to " +
                         Quoted(e.second));
      }
      if (e.keyword == u"cnt=" && ParseIntLenient(e.second) != 0 &&
          !use.valueSet && !use.statesSet.contains(u"on")) {
        report.Error(site.file, where, site.line,
                     Quoted(e.text) + " tests counter " +
                         std::to_string(*number) +
                         ", but no effect ever sets or starts it");
      }
    }
  }
}

void CheckConversationLevels(const DataSet& data, Report& report) {
  const auto& dialogues = data.world->dialogues;
  std::map<Text, std::set<int>> offered, ledTo;
  for (int r = 0; r < dialogues.count; ++r) {
    const DialogueEntry& d = dialogues.slots[r];
    offered[d.noun].insert(ParseIntLenient(d.level));
    ledTo[d.noun].insert(ParseIntLenient(d.nextLevel));
  }
  const std::string path = data.file(kDialoguesFile).path;
  for (int r = 0; r < dialogues.count; ++r) {
    const DialogueEntry& d = dialogues.slots[r];
    const int level = ParseIntLenient(d.level);
    const int next = ParseIntLenient(d.nextLevel);
    if (next > 0 && !offered[d.noun].contains(next)) {
      report.Error(kDialoguesFile, path,
                   LineOfField(kDialogueRecordLines, r, 7),
                   "nextLevel " + std::to_string(next) + ": no option for " +
                       Quoted(d.noun) +
                       " is at that level, so the "
                       "conversation waits with nothing to choose");
    }
    if (level > 1 && !ledTo[d.noun].contains(level)) {
      report.Error(kDialoguesFile, path,
                   LineOfField(kDialogueRecordLines, r, 3),
                   "level " + std::to_string(level) + ": no option for " +
                       Quoted(d.noun) +
                       " leads there, so it is never "
                       "offered");
    } else if (level < 1 && IsInteger(d.level)) {
      report.Error(kDialoguesFile, path,
                   LineOfField(kDialogueRecordLines, r, 3),
                   "level " + std::to_string(level) +
                       ": conversations start at level 1, so it is never "
                       "offered");
    }
  }
}

}  // namespace

void CheckReferences(const DataSet& data, Report& report) {
  if (data.has(kItemsFile)) CheckItemNumbers(data, report);
  CheckCounters(data, report);
  if (data.has(kDialoguesFile)) CheckConversationLevels(data, report);
}

}  // namespace zarvel::lint
