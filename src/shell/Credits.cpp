// The texts of the title menu and its credits pages.
#include "shell/Credits.h"

#include <array>

#include "console/Screen.h"
#include "game/Game.h"

namespace zarvel {

namespace {

struct CreditRow {
  Text role;  // empty: a name without a role of its own
  Text name;
};

// Pages A and B list roles and names from row 13; pages C and D are
// centred prose.
const std::array<std::vector<CreditRow>, 2>& CreditLists() {
  static const std::array<std::vector<CreditRow>, 2> lists = {{
      {{u"námět, scénář, režie", u"brokvin"},
       {u"speciální efekty a písmo", u"tramok interactive"},
       {u"odborný poradce", u"fendrik"},
       {u"hudba", u"Ondřej Vrbický"},
       {u"intro font", u"Lída Šestáková"},
       {u"typografický design", u"studio Kulatý roh"}},
      {{u"herní testing", u"Marek Husička"},
       {u"", u"Bára Tichá"},
       {u"tiskový mluvčí", u"Vilém Drozd"},
       {u"tlumočnice", u"Zuzana Pěnkavová"},
       {u"tlumočník", u"Radek Lhotský"},
       {u"mediální partner", u"Podzemní čtenář"}},
  }};
  return lists;
}

const std::array<std::vector<Text>, 2>& ProsePages() {
  static const std::array<std::vector<Text>, 2> pages = {{
      {u"Jestliže postavy, místa, děje či charaktery",
       u"vyobrazené ve hře někomu připomínají postavy,",
       u"místa, děje či charaktery skutečné, pak vězte,",
       u"že se jedná pouze o chorobný váplod nemocné fantazie", u"autora hry."},
      {u"Autor hry by také rád poděkoval Fendrikovi za morální",
       u"podporu při vytváření tohoto veledíla.",
       u"Vytvořeno pomocí speciálního textovkového engine, který",
       u"programuje a stále zdokonaluje Fendrik, bez něj by tato",
       u"hra vůbec nevznikla."},
  }};
  return pages;
}

constexpr int kFirstCreditRow = 13;

}  // namespace

const std::vector<MenuLine>& TitleMenuLines() {
  static const std::vector<MenuLine> lines = {
      {4, u"Zarvel (2009–2011), napsali brokvin a fendrik"},
      {5, u"kontakt: brokvin@zarvel-hra.cz"},
      {6, u"www.zarvel-hra.cz"},
      {8, u"neštěstí nechodí nikdy samo"},
      {9, u"věnováno památce Aloise Kratochvíla (1931–2008)"},
      {21, u"S - Start hry"},
      {22, u"P - Herní příběh"},
      {23, u"I - Informace"},
      {24, u"Q - Quit"},
  };
  return lines;
}

void DrawCreditsPage(Game& game, int page) {
  DrawGridBox(game.console, 12, 8 * game.console.layout.lineHeight, 48, 128,
              48);
  if (page < 2) {
    int row = kFirstCreditRow;
    for (const CreditRow& credit : CreditLists()[page]) {
      if (!credit.role.empty())
        DrawAtColumn(game.console, credit.role, 12, row);
      DrawRightAligned(game.console, credit.name, 12, row);
      ++row;
    }
  } else {
    int row = kFirstCreditRow;
    for (const Text& line : ProsePages()[page - 2]) {
      DrawCentred(game.console, line, row++);
    }
  }
}

}  // namespace zarvel
