#pragma once
// Every text of the data that reaches the player's eyes, with its place:
// the word-width check measures them, the spelling check reads them.

#include <vector>

#include "DataSet.h"

namespace zarvel::lint {

struct VisibleText {
  FileId file = kItemsFile;
  int line = 0;
  Text text;  // as stored, markup included
};

std::vector<VisibleText> VisibleTexts(const DataSet& data);

// The words of a text as the console breaks it: cut at "/" (a line break)
// and at blanks; a CR at a line end is dropped.
std::vector<Text> WordsOf(const Text& text);

// The text as the player reads it, for a spelling checker: markup removed,
// each console line on a line of its own.
Text PlainText(const Text& text);

}  // namespace zarvel::lint
