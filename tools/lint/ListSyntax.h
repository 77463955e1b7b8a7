#pragma once
// The condition and effect language as the checker reads it: every element
// is matched against the keywords the engine knows, and its argument is
// checked for the form the engine will read it in. The engine itself never
// complains (a bad condition just fails, a bad effect is ignored), which is
// exactly why an author needs these messages.

#include <optional>
#include <string>
#include <vector>

#include "media/Text.h"

namespace zarvel::lint {

enum class ListKind { kConditions, kEffects };

// One element, split into its keyword and argument; for pairs, the parts
// before and after the first "/".
struct ListElement {
  Text text;
  Text keyword;  // "pr=", "rm=", "endcredits", …; empty when unknown
  Text argument;
  bool hasSlash = false;
  Text first;
  Text second;
};

std::vector<ListElement> SplitList(const Text& list, ListKind kind);

// What is wrong with the list as the engine would read it, one message per
// fault, in element order. An empty list is no fault here; the callers know
// whether it means "always" or "never".
std::vector<std::string> ListProblems(const Text& list, ListKind kind);

// Optional sign and decimal digits, nothing else (blanks around allowed).
bool IsInteger(const Text& text);
std::optional<int> IntegerOf(const Text& text);

// Does the text read as a list of the given kind (every element begins with
// one of its keywords)? Used to spot a shifted field.
bool LooksLikeList(const Text& text, ListKind kind);

std::string Quoted(const Text& text);

}  // namespace zarvel::lint
