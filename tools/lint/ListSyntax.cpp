#include "ListSyntax.h"

#include <array>

#include "rules/Language.h"
#include "rules/ListElements.h"

namespace zarvel::lint {

namespace {

// The keyword of the engine's table that the element begins with.
Text KeywordOf(const Text& element, ListKind kind) {
  Text argument;
  if (kind == ListKind::kConditions) {
    const auto* keyword = FindConditionKeyword(element, argument);
    return keyword ? keyword->text : Text();
  }
  const auto* keyword = FindEffectKeyword(element, argument);
  return keyword ? keyword->text : Text();
}

bool IsCountedPlace(const Text& place) {
  return place == u"M" || IsInteger(place);
}

// Problems with the argument of a recognised element; empty when fine.
std::string ConditionArgumentProblem(const ListElement& e) {
  const std::string shown = Quoted(e.text);
  if (e.keyword == u"rm=") {
    if (e.argument.starts_with(u"N")) {
      const Text room = e.argument.substr(1);
      if (!IsInteger(room) || FormatInt(*IntegerOf(room)) != room) {
        return shown + " compares the room as text: " + Quoted(room) +
               " is no room number as the game writes it, so it holds in "
               "every room";
      }
      return {};
    }
    return IsInteger(e.argument) ? std::string()
                                 : shown + ": the room is not a number";
  }
  if (e.keyword == u"pr=") {
    if (!e.hasSlash) {
      return IsInteger(e.argument) ? std::string()
                                   : shown + ": the item is not a number";
    }
    if (!IsInteger(e.first)) return shown + ": the item is not a number";
    Text place = e.second;
    if (place.starts_with(u"N")) place = place.substr(1);
    if (place == u"I") {
      return shown +
             ": \"I\" means the inventory only in effects; in a "
             "condition it reads as place 0 (write 1000)";
    }
    return IsCountedPlace(place)
               ? std::string()
               : shown + ": the place is not a number, M or N + either";
  }
  if (e.keyword == u"cnt=" || e.keyword == u"cnt_st=" || e.keyword == u"pl=") {
    if (!e.hasSlash) {
      return shown +
             " needs a \"/\" and a value: without it the condition "
             "never holds";
    }
    if (!IsInteger(e.first)) return shown + ": the number is not a number";
    if (e.keyword == u"cnt=" && !IsInteger(e.second)) {
      return shown + ": the counter value is not a number";
    }
    if (e.keyword == u"pl=" && e.second != u"M" && !IsInteger(e.second)) {
      return shown + ": the room is not a number or M";
    }
  }
  return {};
}

std::string EffectArgumentProblem(const ListElement& e) {
  const std::string shown = Quoted(e.text);
  if (e.keyword == u"endcredits" || e.keyword == u"outro") {
    return e.text == e.keyword ? std::string()
                               : shown + " has text after " + Quoted(e.keyword);
  }
  if (e.keyword == u"pr=") {
    if (!e.hasSlash) {
      return IsInteger(e.argument) ? std::string()
                                   : shown + ": the item is not a number";
    }
    if (!IsInteger(e.first)) return shown + ": the item is not a number";
    if (e.second.starts_with(u"N")) {
      return shown +
             ": effects know no \"N\"; the place reads as 0 and the "
             "item leaves play";
    }
    return (e.second == u"M" || e.second == u"I" || IsInteger(e.second))
               ? std::string()
               : shown + ": the place is not a number, M or I";
  }
  if (e.keyword == u"dropall=" || e.keyword == u"cnt=") {
    if (!e.hasSlash || !IsInteger(e.first) || !IsInteger(e.second)) {
      return shown + " needs two numbers separated by \"/\"";
    }
    return {};
  }
  if (e.keyword == u"cnt_st=") {
    if (!e.hasSlash || !IsInteger(e.first)) {
      return shown + " needs a counter number, \"/\" and a state";
    }
    if (e.second != u"on" && e.second != u"off" && !e.second.empty()) {
      return shown + ": only the state \"on\" runs a counter; " +
             Quoted(e.second) + " stops it like \"off\"";
    }
    return {};
  }
  // rm=, kompas=, sc= and the six exits take one number.
  return IsInteger(e.argument) ? std::string()
                               : shown + ": the value is not a number";
}

}  // namespace

std::string Quoted(const Text& text) { return "\"" + TextToUtf8(text) + "\""; }

std::optional<int> IntegerOf(const Text& text) {
  const Text trimmed = TrimText(text);
  size_t i = 0;
  if (i < trimmed.size() && (trimmed[i] == u'-' || trimmed[i] == u'+')) ++i;
  if (i == trimmed.size()) return std::nullopt;
  for (size_t k = i; k < trimmed.size(); ++k) {
    if (trimmed[k] < u'0' || trimmed[k] > u'9') return std::nullopt;
  }
  return ParseIntLenient(trimmed);
}

bool IsInteger(const Text& text) { return IntegerOf(text).has_value(); }

std::vector<ListElement> SplitList(const Text& list, ListKind kind) {
  std::vector<ListElement> elements;
  for (const Text& text : SplitText(list, u";")) {
    ListElement e;
    e.text = text;
    e.keyword = KeywordOf(text, kind);
    e.argument = text.substr(e.keyword.size());
    const ElementPair pair = SplitPair(e.argument);
    e.hasSlash = pair.hasSlash;
    e.first = pair.first;
    e.second = pair.second;
    elements.push_back(std::move(e));
  }
  return elements;
}

std::vector<std::string> ListProblems(const Text& list, ListKind kind) {
  std::vector<std::string> problems;
  if (list.empty()) return problems;
  const bool conditions = kind == ListKind::kConditions;
  for (const ListElement& e : SplitList(list, kind)) {
    if (e.text.empty()) {
      problems.push_back(
          conditions ? "an empty element (\";;\" or a \";\" at an end) "
                       "makes the whole condition fail"
                     : "an empty element (\";;\" or a \";\" at an end)");
    } else if (e.text[0] <= u' ') {
      problems.push_back(
          Quoted(e.text) + " begins with a blank, so it matches no keyword" +
          (conditions ? " and the whole condition fails" : " and is ignored"));
    } else if (e.keyword.empty()) {
      problems.push_back(
          Quoted(e.text) + " is no known " +
          (conditions ? "condition (rm=, pr=, cnt=, cnt_st=, pl=), so the "
                        "whole condition fails"
                      : "effect, so it is ignored"));
    } else {
      std::string problem =
          conditions ? ConditionArgumentProblem(e) : EffectArgumentProblem(e);
      if (!problem.empty()) problems.push_back(std::move(problem));
    }
  }
  return problems;
}

bool LooksLikeList(const Text& text, ListKind kind) {
  if (text.empty()) return false;
  for (const ListElement& e : SplitList(text, kind)) {
    if (e.keyword.empty()) return false;
  }
  return true;
}

}  // namespace zarvel::lint
