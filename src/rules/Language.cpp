// Matching an element against the keyword table.
#include "rules/Language.h"

namespace zarvel {

namespace {

template <typename Kind, size_t N>
const Keyword<Kind>* FindKeyword(const std::array<Keyword<Kind>, N>& table,
                                 const Text& element, Text& argument) {
  for (const Keyword<Kind>& keyword : table) {
    const std::u16string_view text(keyword.text);
    if (element.starts_with(text)) {
      argument = element.substr(text.size());
      return &keyword;
    }
  }
  return nullptr;
}

}  // namespace

const Keyword<Condition>* FindConditionKeyword(const Text& element,
                                               Text& argument) {
  return FindKeyword(kConditionKeywords, element, argument);
}

const Keyword<Effect>* FindEffectKeyword(const Text& element, Text& argument) {
  return FindKeyword(kEffectKeywords, element, argument);
}

}  // namespace zarvel
