#include "app/editor_texts.h"

#include <array>

#include "core/elements.h"

namespace quarrion {
namespace {

using Names = std::array<std::string_view, 3>;

int Known(int language) { return language >= 0 && language < 3 ? language : 0; }

// Names by what a code stands for; the codes that arise only in play borrow their element's.
Names NameOf(uint8_t code) {
  switch (code) {
    case Space: return {"Space", "Leer", "Pustka"};
    case Dirt: return {"Dirt", "Erde", "Ziemia"};
    case BrickWall: return {"Brick wall", "Ziegelmauer", "Mur z cegieł"};
    case MagicWall: return {"Magic wall", "Zaubermauer", "Magiczny mur"};
    case OutBox: return {"Outbox", "Ausgang", "Wyjście"};
    case OutBoxOpen: return {"Open outbox", "Offener Ausgang", "Otwarte wyjście"};
    case SteelWall: return {"Steel wall", "Stahlwand", "Stalowa ściana"};
    case HExpandingWall: case HExpandingWallNew:
      return {"Expanding wall, horizontal", "Wachsende Mauer, waagerecht", "Rosnący mur, poziomo"};
    case VExpandingWall: case VExpandingWallNew:
      return {"Expanding wall, vertical", "Wachsende Mauer, senkrecht", "Rosnący mur, pionowo"};
    case FireflyLeft: return {"Firefly facing left", "Glühwürmchen nach links", "Świetlik w lewo"};
    case FireflyUp: return {"Firefly facing up", "Glühwürmchen nach oben", "Świetlik w górę"};
    case FireflyRight: case FireflyRightMoved:
      return {"Firefly facing right", "Glühwürmchen nach rechts", "Świetlik w prawo"};
    case FireflyDown: case FireflyDownMoved:
      return {"Firefly facing down", "Glühwürmchen nach unten", "Świetlik w dół"};
    case ButterflyDown: case ButterflyDownMoved:
      return {"Butterfly facing down", "Schmetterling nach unten", "Motyl w dół"};
    case ButterflyLeft: return {"Butterfly facing left", "Schmetterling nach links", "Motyl w lewo"};
    case ButterflyUp: return {"Butterfly facing up", "Schmetterling nach oben", "Motyl w górę"};
    case ButterflyRight: case ButterflyRightMoved:
      return {"Butterfly facing right", "Schmetterling nach rechts", "Motyl w prawo"};
    case Player: case PlayerMoved: case PlayerEnteringExit: case PlayerInExit:
      return {"Player", "Spieler", "Gracz"};
    case Boulder: case BoulderPushedRight: return {"Boulder", "Fels", "Kamień"};
    case BoulderFalling: case BoulderFallingMoved: return {"Falling boulder", "Fallender Fels", "Spadający kamień"};
    case Diamond: return {"Diamond", "Diamant", "Diament"};
    case DiamondFalling: case DiamondFallingMoved:
      return {"Falling diamond", "Fallender Diamant", "Spadający diament"};
    case Amoeba: case AmoebaNew: return {"Amoeba", "Amoebe", "Lawa"};
    case Slime: return {"Slime", "Schleim", "Szlam"};
    case InBox: case PlayerBirth1: case PlayerBirth2: case PlayerBirth3: return {"Inbox", "Eingang", "Wejście"};
    case CoverTile: return {"Cover", "Abdeckung", "Zasłona"};
    case PlayerDummy: return {"Player dummy", "Spielerattrappe", "Atrapa gracza"};
    default: break;
  }
  if (code >= ExplodeToSpace && code <= DiamondExplosion4) return {"Explosion", "Explosion", "Wybuch"};
  return {"Unknown code", "Unbekannter Code", "Nieznany kod"};
}

bool IsNamed(uint8_t code) { return NameOf(code)[0] != "Unknown code"; }

}  // namespace

std::string ElementName(uint8_t code, int language) {
  std::string name(NameOf(code)[std::size_t(Known(language))]);
  if (!IsNamed(code)) name += " " + std::to_string(code);  // a stray byte says which it is
  return name;
}

std::string CursorLine(int column, int row, uint8_t code, int language) {
  static constexpr std::array<std::string_view, 3> kColumn = {"Column ", "Spalte ", "Kolumna "};
  static constexpr std::array<std::string_view, 3> kRow = {", row ", ", Zeile ", ", wiersz "};
  const std::size_t shown = std::size_t(Known(language));
  return std::string(kColumn[shown]) + std::to_string(column) + std::string(kRow[shown]) + std::to_string(row) + ": " +
         ElementName(code, language);
}

std::string_view MissingExitsQuestion(bool inboxMissing, bool outboxMissing, int language) {
  // each ends in five blanks, as the editor's other questions do
  static constexpr std::array<Names, 3> kQuestions = {{
      {"This level has no inbox, so it cannot be played. Go on anyway?     ",
       "Diese Cave hat keinen Eingang und ist so nicht spielbar. Trotzdem weiter?     ",
       "Ten poziom nie ma wejścia, więc nie da się go przejść. Kontynuować mimo to?     "},
      {"This level has no outbox, so it cannot be played. Go on anyway?     ",
       "Diese Cave hat keinen Ausgang und ist so nicht spielbar. Trotzdem weiter?     ",
       "Ten poziom nie ma wyjścia, więc nie da się go przejść. Kontynuować mimo to?     "},
      {"This level has neither inbox nor outbox, so it cannot be played. Go on anyway?     ",
       "Diese Cave hat weder Eingang noch Ausgang und ist so nicht spielbar. Trotzdem weiter?     ",
       "Ten poziom nie ma ani wejścia, ani wyjścia, więc nie da się go przejść. Kontynuować mimo to?     "},
  }};
  const std::size_t which = inboxMissing && outboxMissing ? 2 : (inboxMissing ? 0 : 1);
  return kQuestions[which][std::size_t(Known(language))];
}

}  // namespace quarrion
