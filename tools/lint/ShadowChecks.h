#pragma once
// Shadowed nouns. The engine finds a thing by the typed noun occurring
// anywhere inside a record's noun (or an item's name), and the first record
// in file order (the first item in id order) answers. A record whose noun
// holds another record's noun, or one of its words, inside a longer word
// ("rozsvícenou" holds "svícen", "náhrobní" holds "hrob", "zvonu" holds
// "zvon") answers for that other record wherever both can apply.
//
// Pairs looked at: items that can be at hand together; examine, use, take
// and drop rules of one file; take rules against items; conversation
// records. A later record's noun held as a whole word by an earlier one
// ("zápalky na lucernu" and "lucernu") is taken as deliberate: it is how a
// specific rule is written before a general one.
//
// How far the conditions are reasoned about: two condition lists can hold
// together unless they ask for two different rooms ("rm="), a room and its
// negation, two different places of one item ("pr=I/P"), a place and its
// negation, or an item at hand that can never be at hand there (an item
// that is never carried and never lies in that room, or an item asked to be
// in a storage place). Counters ("cnt=", "cnt_st=") and players' rooms
// ("pl=") are assumed able to hold with anything, so a pair kept apart only
// by a counter is still reported. Where an item can be comes from its
// starting place, every "pr=" effect of the data and, for a movable item,
// being carried (then it is at hand in every room).
#include "DataSet.h"
#include "Findings.h"

namespace zarvel::lint {

void CheckShadowedNouns(const DataSet& data, Report& report);

}  // namespace zarvel::lint
