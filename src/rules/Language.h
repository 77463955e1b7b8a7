#pragma once
// The condition and effect language of the data files: one table of its
// keywords, read by the engine (Conditions.cpp, Effects.cpp) and by
// zarvel-lint alike, so the two can never disagree about what a word means.

#include <array>

#include "media/Text.h"

namespace zarvel {

enum class Condition { Room, Item, CounterValue, CounterState, Player };

enum class Effect {
  Room,
  Compass,
  Score,
  Item,
  DropAll,
  EndCredits,
  Outro,
  CounterValue,
  CounterState,
  // The six exits of currentExits, in its order north .. down.
  ExitNorth,
  ExitSouth,
  ExitEast,
  ExitWest,
  ExitUp,
  ExitDown,
};

template <typename Kind>
struct Keyword {
  const char16_t* text;  // "=" included where an argument follows
  Kind kind;
};

inline constexpr std::array<Keyword<Condition>, 5> kConditionKeywords = {{
    {u"rm=", Condition::Room},
    {u"pr=", Condition::Item},
    {u"cnt=", Condition::CounterValue},
    {u"cnt_st=", Condition::CounterState},
    {u"pl=", Condition::Player},
}};

inline constexpr std::array<Keyword<Effect>, 15> kEffectKeywords = {{
    {u"rm=", Effect::Room},
    {u"kompas=", Effect::Compass},
    {u"sc=", Effect::Score},
    {u"pr=", Effect::Item},
    {u"dropall=", Effect::DropAll},
    {u"endcredits", Effect::EndCredits},
    {u"outro", Effect::Outro},
    {u"cnt=", Effect::CounterValue},
    {u"cnt_st=", Effect::CounterState},
    {u"s=", Effect::ExitNorth},
    {u"j=", Effect::ExitSouth},
    {u"v=", Effect::ExitEast},
    {u"z=", Effect::ExitWest},
    {u"n=", Effect::ExitUp},
    {u"d=", Effect::ExitDown},
}};

// The keyword an element begins with (the first in table order), or null;
// argument receives the rest of the element.
const Keyword<Condition>* FindConditionKeyword(const Text& element,
                                               Text& argument);
const Keyword<Effect>* FindEffectKeyword(const Text& element, Text& argument);

// The index into currentExits of an exit effect (0 north .. 5 down).
inline int ExitIndexOf(Effect exit) {
  return static_cast<int>(exit) - static_cast<int>(Effect::ExitNorth);
}

}  // namespace zarvel
