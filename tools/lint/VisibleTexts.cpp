#include "VisibleTexts.h"

#include <string>

namespace zarvel::lint {

namespace {

void Add(std::vector<VisibleText>& texts, FileId file, int line,
         const Text& text) {
  if (!text.empty()) texts.push_back({file, line, text});
}

bool IsMessageKey(const Text& line) {
  const size_t equals = line.find(u'=');
  if (equals == Text::npos) return false;
  const Text key = line.substr(0, equals);
  return key.ends_with(u"_zena") || key.ends_with(u"_muz");
}

template <typename TableT>
void AddRuleTexts(std::vector<VisibleText>& texts, const DataSet& data,
                  FileId file, int length, const TableT& table) {
  if (!data.has(file)) return;
  for (int r = 0; r < table.count; ++r) {
    Add(texts, file, LineOfField(length, r, length - 1), table.slots[r].text);
  }
}

}  // namespace

std::vector<VisibleText> VisibleTexts(const DataSet& data) {
  std::vector<VisibleText> texts;
  const World& world = *data.world;
  if (data.has(kItemsFile)) {
    const DataFile& file = data.file(kItemsFile);
    for (size_t i = 0; i < file.lines.size(); ++i) {
      const std::vector<Text> fields = SplitText(file.lines[i], u";");
      if (fields.size() < 5 || ParseIntLenient(fields[0]) == 0) continue;
      for (size_t f : {2u, 3u}) {
        const Text name = TrimText(fields[f]);
        if (name != u"null")
          Add(texts, kItemsFile, static_cast<int>(i) + 1, name);
      }
    }
  }
  if (data.has(kInitFile)) {
    const DataFile& file = data.file(kInitFile);
    for (size_t i = 0; i < file.lines.size(); ++i) {
      if (IsMessageKey(file.lines[i])) {
        const Text& line = file.lines[i];
        Add(texts, kInitFile, static_cast<int>(i) + 1,
            line.substr(line.find(u'=') + 1));
      }
    }
  }
  if (data.has(kLocationsFile)) {
    const auto& variants = world.locationVariants;
    for (int r = 0; r < variants.count; ++r) {
      Add(texts, kLocationsFile, LineOfField(kLocationRecordLines, r, 5),
          variants.slots[r].description);
    }
  }
  AddRuleTexts(texts, data, kExamineFile, kObjectRuleRecordLines,
               world.examineRules);
  AddRuleTexts(texts, data, kUseFile, kObjectRuleRecordLines, world.useRules);
  AddRuleTexts(texts, data, kInventoryEventsFile, kEventRecordLines,
               world.inventoryEvents);
  AddRuleTexts(texts, data, kEventsFile, kEventRecordLines, world.events);
  AddRuleTexts(texts, data, kTakeRulesFile, kItemRuleRecordLines,
               world.takeRules);
  AddRuleTexts(texts, data, kDropRulesFile, kItemRuleRecordLines,
               world.dropRules);
  if (data.has(kDialoguesFile)) {
    const auto& dialogues = world.dialogues;
    for (int r = 0; r < dialogues.count; ++r) {
      const DialogueEntry& d = dialogues.slots[r];
      Add(texts, kDialoguesFile, LineOfField(kDialogueRecordLines, r, 4),
          d.optionText);
      Add(texts, kDialoguesFile, LineOfField(kDialogueRecordLines, r, 5),
          d.playerLine);
      Add(texts, kDialoguesFile, LineOfField(kDialogueRecordLines, r, 6),
          d.reply);
    }
  }
  for (FileId id :
       {kLegendFile, kDictionaryFile, kIntroFile, kOutroFile, kHelpFile}) {
    const DataFile& file = data.file(id);
    if (!file.present) continue;
    for (size_t i = 0; i < file.lines.size(); ++i) {
      Add(texts, id, static_cast<int>(i) + 1, TrimText(file.lines[i]));
    }
  }
  return texts;
}

std::vector<Text> WordsOf(const Text& text) {
  std::vector<Text> words;
  for (const Text& segment : SplitText(text, u"/")) {
    for (const Text& word : SplitText(segment, u" ")) {
      const Text trimmed = TrimText(word);
      if (!trimmed.empty()) words.push_back(trimmed);
    }
  }
  return words;
}

Text PlainText(const Text& text) {
  Text plain;
  for (const Text& segment : SplitText(text, u"/")) {
    if (TrimText(segment) == u"<->") continue;
    Text line;
    for (char16_t c : segment) {
      if (c != u'*' && c != u'%' && c != u'×' && c != u'\r') line += c;
    }
    plain += TrimText(line);
    plain += u'\n';
  }
  return plain;
}

}  // namespace zarvel::lint
