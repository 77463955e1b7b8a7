// Splitting a typed line into verb and noun and finding its command.

#include <cstdint>

#include "commands/CommandParts.h"
#include "commands/Commands.h"
#include "console/Console.h"
#include "game/Game.h"
#include "media/WrappingInt.h"
#include "rules/Rules.h"
#include "save/Positions.h"

namespace zarvel {
namespace {

using CommandAction = void (*)(Game& game, const Text& noun);

// A command matches either the whole line ("debug") or its first three
// characters, which lets every Czech verb be typed whole or shortened (the
// one-letter forms equal those three characters only as the whole line).
struct CommandEntry {
  bool wholeLine;
  const char16_t* words[3];  // unused places are null
  CommandAction action;
};

void Save(Game& game, const Text&) {
  if (SavePosition(game)) ConsolePrint(game, u"Pozice byla úspěšně uložena…");
}

void PrintHelp(Game& game, const Text&) {
  for (const Text& line : game.world.helpLines) ConsolePrint(game, line);
}

// The table in the order of testing. No line can match two entries, so the
// first match is the only one.
const CommandEntry kCommands[] = {
    {true, {u"debug"}, [](Game& g, const Text&) { ToggleDebug(g); }},
    {true, {u"qwerty"}, [](Game& g, const Text&) { SwapToQwerty(g); }},
    {true, {u"qwertz"}, [](Game& g, const Text&) { SwapToQwertz(g); }},
    {false, {u"qui"}, [](Game& g, const Text&) { AskToQuit(g); }},
    {true,
     {u"fullscreen"},
     [](Game& g, const Text&) { SwitchToFullscreen(g); }},
    {true, {u"window"}, [](Game& g, const Text&) { SwitchToWindow(g); }},
    {false, {u"kon"}, [](Game& g, const Text&) { AskToRestart(g); }},
    {false,
     {u"r", u"sit", u"pop"},
     [](Game& g, const Text&) { EnterLocation(g, false); }},
    {true, {u"ticho"}, [](Game& g, const Text&) { SilenceMusic(g); }},
    {true, {u"hudba"}, [](Game& g, const Text&) { ResumeMusic(g); }},
    {false, {u"s", u"sev"}, [](Game& g, const Text&) { Move(g, kNorth); }},
    {false, {u"j", u"jih"}, [](Game& g, const Text&) { Move(g, kSouth); }},
    {false, {u"v", u"výc"}, [](Game& g, const Text&) { Move(g, kEast); }},
    {false, {u"z", u"záp"}, [](Game& g, const Text&) { Move(g, kWest); }},
    {false, {u"n", u"nah"}, [](Game& g, const Text&) { Move(g, kUp); }},
    {false, {u"d", u"dol"}, [](Game& g, const Text&) { Move(g, kDown); }},
    {false, {u"i", u"inv"}, [](Game& g, const Text&) { ListInventory(g); }},
    {false, {u"seb", u"vez", u"ber"}, TakeItem},
    {false, {u"pol", u"odl", u"zah"}, DropItem},
    {false, {u"pro", u"zko"}, ExamineObject},
    {false, {u"pou", u"uži"}, UseObject},
    {false, {u"sav", u"ulo"}, Save},
    {false, {u"loa", u"nač"}, [](Game& g, const Text&) { LoadPosition(g); }},
    {false,
     {u"leg"},
     [](Game& g, const Text&) { ConsolePrint(g, g.world.legendText); }},
    {false,
     {u"slo", u"pří"},
     [](Game& g, const Text&) { ConsolePrint(g, g.world.dictionaryText); }},
    {false, {u"pom", u"hel"}, PrintHelp},
    {false, {u"mlu", u"řek"}, TalkTo},
};

bool Matches(const CommandEntry& entry, const Text& line, const Text& verb) {
  const Text& subject = entry.wholeLine ? line : verb;
  for (const char16_t* word : entry.words) {
    if (word != nullptr && subject == word) return true;
  }
  return false;
}

}  // namespace

void DispatchCommand(Game& game, const Text& line) {
  ConsolePrint(game, u"");
  // The verb is cut from the line itself, not from its first word: "s x"
  // gives the verb "s x", which matches nothing.
  const Text verb = LeftText(line, 3);
  const size_t space = line.find(u' ');
  const Text noun = space == Text::npos ? Text() : line.substr(space + 1);
  for (const CommandEntry& entry : kCommands) {
    if (!Matches(entry, line, verb)) continue;
    entry.action(game, noun);
    // Wraps like every number of the game: a hand-edited position can
    // bring the count to the largest int.
    game.world.commandCount = WrappingAdd(game.world.commandCount, 1);
    ConsolePrint(game, u"");
    return;
  }
  if (line.empty()) return;
  ReplyWithKey(game, "prikaz_neznamy");
  ConsolePrint(game, u"");
}

}  // namespace zarvel
