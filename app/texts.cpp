#include "app/texts.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <span>
#include <vector>

namespace quarrion {
namespace {

using Texts = std::array<std::string, kLanguageCount>;

// Blanks inside and at the end of a text are part of it: the menus pad their shortcut keys by
// hand and the questions end in blanks.
const std::array<Texts, kLanguageEntryCount>& LanguageTable() {
  static const std::array<Texts, kLanguageEntryCount> table = {{
      {{"Game", "Spiel", "Gra"}},  // 0
      {{"Editor", "Editor", "Edytor"}},  // 1
      {{"Load Game..       L", "Lade Spiel..            L", "Wczytaj grę..      L"}},  // 2
      {{"Quarrion v.1.8.5", "Quarrion v.1.8.5", "Quarrion v.1.8.5"}},  // 3
      {{"Caves Editor", "Caves Editor", "Edytor poziomów"}},  // 4
      {{"New Caves", "Neue Caves", "Nowe poziomy"}},  // 5
      {{"Load..", "Laden..", "Otwórz.."}},  // 6
      {{"Save", "Speichern", "Zapisz"}},  // 7
      {{"Save as..", "Speichern als..", "Zapisz jako.."}},  // 8
      {{"Exit", "Beenden", "Wyjście"}},  // 9
      {{"Exit Editor", "Editor beenden", "Wyjście z edytora"}},  // 10
      {{"Options", "Optionen", "Opcje"}},  // 11
      {{"Game Speed    S", "Spielgeschwindigkeit   S", "Szybkość gry                S"}},  // 12
      {{"Fast", "schnell", "Szybko"}},  // 13
      {{"Full Screen       ALT+ENTER",  // 14
        "Vollbild                         ALT+ENTER",
        "Pełny ekran                  ALT+ENTER"}},
      {{"Mute                M", "Stummschalten           M", "Wyłączenie dźwięku     M"}},  // 15
      {{"Language", "Sprache", "Język"}},  // 16
      {{"Help", "Hilfe", "Pomoc"}},  // 17
      {{"Made by the Quarrion team", "Erstellt vom Quarrion-Team", "Autorzy: zespół Quarrion"}},  // 18
      {{"Game idea and caves: the Quarrion team",  // 19
        "Spielidee und Caves: das Quarrion-Team",
        "Pomysł gry i jaskinie: zespół Quarrion"}},
      {{"Free software: copy it, share it, change it",  // 20
        "Freie Software: kopieren, weitergeben, verändern",
        "Wolne oprogramowanie: kopiuj, udostępniaj, zmieniaj"}},
      {{"Cave Time", "Cave Zeit", "Czas"}},  // 21
      {{"Magic Time", "Zaubermauer", "Murek"}},  // 22
      {{"Amoeba Time", "Amoebe Zeit", "Lawa"}},  // 23
      {{"Diamonds", "Diamanten Zufall", "Diamenty"}},  // 24
      {{"Value", "Wert", "Wartość"}},  // 25
      {{"Advanced", "Erweitert", "Zaawansowane"}},  // 26
      {{"Random", "Zufall", "Los"}},  // 27
      {{"Cave test", "Cave Test", "Test"}},  // 28
      {{"Cave -", "Cave -", "Jaskinia -"}},  // 29
      {{"Cave +", "Cave +", "Jaskinia +"}},  // 30
      {{"Level -", "Level -", "Poziom -"}},  // 31
      {{"Level +", "Level +", "Poziom +"}},  // 32
      {{"Max Amoeba Size", "Maximale Größe Amoebe", "Maksymalny rozmiar lawy"}},  // 33
      {{"Amoeba Slow Probability",  // 34
        "Wachstumsverzögerung Amoebe vor Zeitablauf",
        "Pierwsza szybkość lawy"}},
      {{"Amoeba Fast Probability", "Wachstumsverzögerung nach Zeitablauf", "Druga szybkość lawy"}},  // 35
      {{"Slime Permeability", "Schleim Durchlässigkeit", "Przepuszczalność szlamu"}},  // 36
      {{"InBox Delay", "Eingang Verzögerung", "Migotanie wejścia na poziom"}},  // 37
      {{"Pushing Boulder Probability", "Fels Schieben Verzögerung", "Siła popychania kamieni"}},  // 38
      {{"Caves are modified. Save changes?   ",  // 39
        "Es wurden Caves verändert. Änderungen speichern?   ",
        "Poziomy zostały zmodyfikowane. Czy chcesz zachować zmiany?   "}},
      {{"Facing LEFT - Firefly initial",  // 40
        "Startrichtung LINKS - Standardwert Glühwürmchen",
        "Zwrot w LEWO - standardowo Firefly"}},
      {{"Facing UP", "Startrichtung OBEN", "Zwrot w GÓRĘ"}},  // 41
      {{"Facing RIGHT", "Startrichtung RECHTS", "Zwrot w PRAWO"}},  // 42
      {{"Facing DOWN - Butterfly initial",  // 43
        "Startrichtung UNTEN - Standardwert Schmetterlinge",
        "Zwrot w DÓŁ - standardowo Motyl"}},
      {{"Stationary", "Stationär", "Nieruchomy"}},  // 44
      {{"Falling", "Fallend", "Spadający"}},  // 45
      {{"Slow", "langsam", "Wolno"}},  // 46
      {{"Game Speed", "Spielgeschwindigkeit", "Szybkość gry"}},  // 47
      {{"Zoom", "Vergrößern", "Powiększenie"}},  // 48
      {{"Small", "Klein", "Małe"}},  // 49
      {{"Medium", "Mittel", "Średnie"}},  // 50
      {{"Large", "Groß", "Duże"}},  // 51
      {{"Stop                    Q", "Stopp                     Q", "Stop                    Q"}},  // 52
      {{"Released on the Internet, 2026",  // 53
        "Veröffentlicht im Internet, 2026",
        "Wydano w Internecie, 2026"}},
      {{"You really want to generate cave?     ",  // 54
        "Wollen Sie wirklich eine Cave generieren?     ",
        "Czy na pewno chcesz użyć generatora?     "}},
      {{"You really want to clear cave?     ",  // 55
        "Wollen Sie die Cave wirklich löschen?     ",
        "Czy na pewno chcesz wyczyścić jaskinię?     "}},
      {{"You really want to paste cave?     ",  // 56
        "Wollen Sie die Cave wirklich einfügen?     ",
        "Czy na pewno chcesz wkleić jaskinię?     "}},
      {{"Cave generator", "Cave Generator", "Generator jaskini"}},  // 57
      {{"Copy", "Kopieren", "Kopiuj"}},  // 58
      {{"Cave copy", "Cave kopieren", "Kopiuj jaskinię"}},  // 59
      {{"Paste", "Einfügen", "Wklej"}},  // 60
      {{"Cave paste", "Cave einfügen", "Wklej jaskinię"}},  // 61
      {{"Pseudorandom generator seed value",  // 62
        "Startwert für Zufallsgenerator",
        "Wartość początkowa generatora jaskiń"}},
      {{"Probability of element 1",  // 63
        "Wahrscheinlichkeit von Element 1",
        "Prawdopodobieństwo wystąpienia elementu 1"}},
      {{"Probability of element 2",  // 64
        "Wahrscheinlichkeit von Element 2",
        "Prawdopodobieństwo wystąpienia elementu 2"}},
      {{"Probability of element 3",  // 65
        "Wahrscheinlichkeit von Element 3",
        "Prawdopodobieństwo wystąpienia elementu 3"}},
      {{"Probability of element 4",  // 66
        "Wahrscheinlichkeit von Element 4",
        "Prawdopodobieństwo wystąpienia elementu 4"}},
      {{"Clear cave", "Cave löschen", "Wyczyść"}},  // 67
      {{"Start", "Start", "Start"}},  // 68
      {{"Custom game", "Benutzerdefiniertes Spiel", "Modyfikacja gry"}},  // 69
      {{"Record demo      SHIFT+D", "Demo aufnehmen   SHIFT+D", "Nagraj demo       SHIFT+D"}},  // 70
      {{"Play demo           D", "Demo abspielen      D", "Odtwórz demo    D"}},  // 71
      {{"Graphics", "Grafik", "Grafika"}},  // 72
      {{"Sounds", "Ton", "Dźwięk"}},  // 73
      {{"Music", "Musik", "Muzyka"}},  // 74
      {{"Fonts", "Zeichensatz", "Fonty"}},  // 75
      {{"Unpack file into directory:   ",  // 76
        "Datei entpacken in das Verzeichnis:   ",
        "Rozpakowanie pliku do katalogu:   "}},
      {{"Unpack game files", "Spieldaten entpacken", "Wypakuj pliki gry"}},  // 77
      {{"Pack game files", "Spieldaten packen", "Spakuj pliki gry"}},  // 78
      {{"Open the one of files to pack..     ",  // 79
        "Öffne eine der Dateien zum Packen..     ",
        "Otwórz jeden z plików, które chcesz spakować..     "}},
      {{"Open..", "Öffnen", "Otwórz.."}},  // 80
      {{"FX", "Effekte", "FX"}},  // 81
      {{"Thanks to all our play-testers",  // 82
        "Dank an alle unsere Testspieler",
        "Podziękowania dla wszystkich testerów"}},
      {{"for their patience and good ideas",  // 83
        "für ihre Geduld und guten Ideen",
        "za cierpliwość i dobre pomysły"}},
      {{"Expand horizontally", "Horizontales Wachstum", "Rozszerzenie poziome"}},  // 84
      {{"Expand vertically", "Vertikales Wachstum", "Rozszerzenie pionowe"}},  // 85
      {{"Title picture: the Quarrion team",  // 86
        "Titelbild: das Quarrion-Team",
        "Obraz tytułowy: zespół Quarrion"}},
  }};
  return table;
}

int KnownLanguage(int language) { return language >= 0 && language < kLanguageCount ? language : 0; }

using Words = std::array<const char*, kLanguageCount>;

struct KeyLine {
  Words key;
  Words text;
};

// The key lines in the order the memo lists them: the title screen's ten, the game's six, the
// editor's eleven.
constexpr std::size_t kTitleKeyCount = 10;
constexpr std::size_t kGameKeyCount = 7;
const KeyLine kKeyLines[] = {
    {{{"L", "L", "L"}}, {{"Load game", "Spiel laden", "Wczytanie zestawu poziomów"}}},
    {{{"D", "D", "D"}}, {{"Play demo", "Demo abspielen", "Odtwarzanie dema"}}},
    {{{"D+SHIFT", "D+Umschalt", "D+SHIFT"}}, {{"Record Demo", "Demo aufnehmen", "Nagrywanie dema"}}},
    {{{"CURSOR KEYS Left-Right", "Kursor-Tasten links/rechts", "STRZAŁKI Lewo-Prawo"}},
     {{"Select cave",
       "Cave auswählen",
       "Wybór jaskini"}}},
    {{{"CURSOR KEYS Up-Down", "Kursor-Tasten oben/unten", "STRZAŁKI Góra-Dół"}},
     {{"Select level",
       "Level auswählen",
       "Wybór poziomu"}}},
    {{{"SPACEBAR or CTRL", "Leertaste oder Strg", "SPACJA lub CTRL"}},
     {{"Start game",
       "Spiel starten",
       "Start gry"}}},
    {{{"ALT+ENTER", "ALT+ENTER", "ALT+ENTER"}},
     {{"Full Screen ON/OFF",
       "Vollbild ein/aus",
       "Wł./Wył. pełnego ekranu"}}},
    {{{"H", "H", "H"}}, {{"Help", "Hilfe", "Pomoc"}}},
    {{{"M", "M", "M"}}, {{"Mute", "Stummschalten", "Wł./Wył. dźwięku"}}},
    {{{"S", "S", "S"}}, {{"Speed", "Geschwindigkeit", "Ustawienie prędkości gry"}}},
    {{{"CURSOR KEYS", "Kursor-Tasten", "STRZAŁKI"}},
     {{"Moving",
       "Steuerung der Spielfigur",
       "Poruszanie się"}}},
    {{{"CURSOR KEYS + SPACEBAR or CTRL", "Kursor-Tasten + Leertaste oder Strg", "STRZAŁKI + SPACJA lub CTRL"}},
     {{"Pick up diamond, remove dirt or push stone without moving",
       "Diamanten einsammeln, Erde entfernen oder Felsen verschieben ohne Bewegung der Spielfigur",
       "Zebranie diamentu, usunięcie ziemi lub popchnięcie kamienia bez wykonania ruchu"}}},
    {{{"ESC", "ESC", "ESC"}}, {{"Replay cave", "Cave wiederholen", "Restart poziomu"}}},
    {{{"Q", "Q", "Q"}}, {{"Stop", "Stopp", "Stop"}}},
    {{{"N", "N", "N"}},
     {{"Next cave (reset score)",
       "Nächste Cave (Achtung: Punkteanzahl wird zurückgesetzt!)",
       "Następny poziom (wyzerowanie punktacji)"}}},
    {{{"P", "P", "P"}}, {{"Pause", "Pause", "Pauza"}}},
    {{{"F1", "F1", "F1"}},
     {{"Hint: the next moves as arrows (no hi-score for this game)",
       "Tipp: die nächsten Züge als Pfeile (kein Highscore für dieses Spiel)",
       "Podpowiedź: następne ruchy jako strzałki (bez rekordu w tej grze)"}}},
    {{{"LEFT MOUSE", "Linke Maustaste", "LEWY KLAWISZ MYSZY"}},
     {{"Draw single element",
       "Einzelne Elemente zeichnen",
       "Rysowanie pojedynczego elementu"}}},
    {{{"RIGHT MOUSE", "Rechte Maustaste", "PRAWY KLAWISZ MYSZY"}},
     {{"Draw rectangle",
       "Rechteck mit dem ausgewählten Element zeichnen",
       "Rysowanie prostokątów zawierających wybrany element"}}},
    {{{"MIDDLE MOUSE", "Mittlere Maustaste", "ŚRODKOWY KLAWISZ MYSZY"}},
     {{"Click on Stone, Diamond, Firefly, Butterfly or Expanding Wall to change properties",
       "Klick auf Felsen, Diamanten, Glühwürmchen, Schmetterlinge oder Wachsmauer um deren Eigenschaften zu ändern.",
       "Kliknięcie na Kamieniu, Diamencie, Firefly'u lub Motylu pozwala zmienić jego rodzaj"}}},
    {{{"T", "T", "T"}}, {{"Cave test", "Cave testen", "Testowanie poziomu"}}},
    {{{"ESC", "ESC", "ESC"}}, {{"Exit test", "Test beenden", "Wyjście z trybu testowania do edytowania"}}},
    {{{"=", "=", "="}}, {{"Next Cave", "Nächste Cave", "Następna jaskinia"}}},
    {{{"-", "-", "-"}}, {{"Previous Cave", "Vorherige Cave", "Poprzednia jaskinia"}}},
    {{{"]", "]", "]"}}, {{"Next Level", "Nächster Level", "Następny poziom"}}},
    {{{"[", "[", "["}}, {{"Previous Level", "Vorheriger Level", "Poprzedni poziom"}}},
    {{{".", ".", "."}}, {{"Next menu element", "Nächstes Menü Element", "Następny element menu"}}},
    {{{",", ",", ","}}, {{"Previous menu element", "Vorheriges Menü Element", "Poprzedni element menu"}}},
};

struct ElementLine {
  const char* code;
  Words name;
};

const ElementLine kElementLines[] = {
    {"00", {{"Space", "Leerfeld", "Pustka"}}},
    {"01", {{"Dirt", "Erde", "Ziemia"}}},
    {"02", {{"Brick Wall", "Mauer", "Mur"}}},
    {"03", {{"Magic Wall", "Zaubermauer", "Magiczny mur"}}},
    {"04", {{"OutBox", "Ausgang", "Wyjście z planszy"}}},
    {"07", {{"Steel Wall", "Titanmauer", "Stalowy mur"}}},
    {"08", {{"Horizontally Expanding Wall", "Horizontale Wachsmauer", "Mur rozszerzający się w poziomie"}}},
    {"12", {{"Firefly Facing Left", "Glühwürmchen Startrichtung Links", "Firefly zwrócony w lewo"}}},
    {"13", {{"Firefly Facing Up", "Glühwürmchen Startrichtung Oben", "Firefly zwrócony w górę"}}},
    {"14", {{"Firefly Facing Right", "Glühwürmchen Startrichtung Rechts", "Firefly zwrócony w prawo"}}},
    {"15", {{"Firefly Facing Down", "Glühwürmchen Startrichtung Unten", "Firefly zwrócony w dół"}}},
    {"18", {{"Butterfly Facing Down", "Schmetterling Startrichtung Unten", "Motyl zwrócony w dół"}}},
    {"19", {{"Butterfly Facing Left", "Schmetterling Startrichtung Links", "Motyl zwrócony w lewo"}}},
    {"20", {{"Butterfly Facing Up", "Schmetterling Startrichtung Oben", "Motyl zwrócony w górę"}}},
    {"21", {{"Butterfly Facing Right", "Schmetterling Startrichtung Rechts", "Motyl zwrócony w prawo"}}},
    {"24", {{"Boulder Stationary", "Stationärer Fels", "Kamień nieruchomy"}}},
    {"26", {{"Boulder Falling", "Fallender Fels", "Kamień spadający"}}},
    {"28", {{"Diamond Stationary", "Stationärer Diamant", "Diament nieruchomy"}}},
    {"30", {{"Diamond Falling", "Fallender Diamant", "Diament spadający"}}},
    {"44", {{"Amoeba", "Amoebe", "Lawa"}}},
    {"46", {{"Slime", "Schleim", "Szlam"}}},
    {"50", {{"InBox", "Eingang", "Wejście na planszę"}}},
    {"58", {{"Vertically Expanding Wall", "Vertikale Wachsmauer", "Mur rozszerzający się w pionie"}}},
    {"60", {{"player dummy", "player dummy", "player dummy"}}},
};

struct PropertyLine {
  const char* number;
  const char* range;
  Words name;
};

const PropertyLine kPropertyLines[] = {
    {"00", "1..255", {{"Cave Time", "Cave Zeit", "Czas na ukończenie planszy"}}},
    {"01", "1..255", {{"Diamonds Needed", "Benötigte Diamanten", "Ilość diamentów do zebrania"}}},
    {"02", "0..99", {{"Diamond Value", "Punkte für Diamanten", "Wartość diamentu"}}},
    {"03", "0..99", {{"Diamond Bonus Value", "Bonuspunkte für Diamanten", "Extra wartość diamentu"}}},
    {"04", "1..255", {{"Magic Wall Time", "Zaubermauer Zeit", "Czas trwania magicznego muru"}}},
    {"05", "1..255", {{"Amoeba Slow Growth Time", "Amoebe Zeit", "Czas pierwszej szybkości lawy"}}},
    {"06", "100..255", {{"Amoeba Max Size", "Maximale Größe Amoebe", "Maksymalna wielkość lawy"}}},
    {"07", "1..255", {{"Amoeba Slow Probability",
      "Wachstumsverzögerung Amoebe vor Zeitablauf",
      "Pierwsza szybkość lawy"}}},
    {"08", "1..255", {{"Amoeba Fast Probability",
      "Wachstumsverzögerung Amoebe nach Zeitablauf",
      "Druga szybkość lawy"}}},
    {"09", "1..255", {{"Slime Permeability", "Schleim Durchlässigkeit", "Przepuszczalność szlamu"}}},
    {"10", "1..40", {{"InBox Delay", "Verzögerung Eingang", "Migotanie wejścia na poziom"}}},
    {"11", "1..8", {{"Pushing Boulder Probability", "Fels Schieben Verzögerung", "Siła popychania kamieni"}}},
};

struct FormatWords {
  const char* controlsTitle;
  const char* editorTitle;
  const char* formatTitle;
  const char* fileLine;
  const char* mapLine;
  const char* elementsLine;
  const char* propertiesLine;
};

const FormatWords kFormatWords[kLanguageCount] = {
    {"G A M E   C O N T R O L S", "E D I T O R   C O N T R O L S", "Quarrion Cave Format (*.qcv)",
     " A cave set file is the array Caves, 96000 bytes, stored column by column:", " Map of a level:",
     " Elements:", " Properties of a level:"},
    {"S P I E L S T E U E R U N G", "B E D I E N U N G   E D I T O R", "Quarrion Cave Format (*.qcv)",
     " Eine Cave-Datei ist das Feld Caves, 96000 Bytes, Spalte für Spalte gespeichert:",
     " Karte eines Levels:", " Elemente:", " Eigenschaften eines Levels:"},
    {"S T E R O W A N I E   W   G R Z E", "S T E R O W A N I E   W   E D Y T O R Z E",
     "Format poziomów Quarrion  (*.qcv)",
     " Plik poziomów to tablica Caves, 96000 bajtów, zapisana kolumna po kolumnie:", " Mapa poziomu:",
     " Elementy:", " Właściwości poziomu:"},
};

void AddPart(std::string& memo, const char* title, const std::vector<std::string>& lines) {
  const std::string dashes(60, '-');
  memo += dashes + '\n' + title + '\n' + dashes + '\n';
  for (const std::string& line : lines) memo += line + '\n';
  memo += '\n';
}

std::vector<std::string> KeyPart(std::span<const KeyLine> keys, int language) {
  std::vector<std::string> lines;
  for (const KeyLine& key : keys)
    lines.push_back(std::string(" ") + key.key[language] + " : " + key.text[language]);
  return lines;
}

std::vector<std::string> FormatPart(int language) {
  const FormatWords& words = kFormatWords[language];
  std::vector<std::string> lines = {words.fileLine, " Caves: array[0..39, 0..2399] of Byte;", words.mapLine,
                                    " Caves[X,(Cave*120)+(Level*24)+Y]:=Element;",
                                    " Cave=(0..19) Level=(0..4) X=(0..39) Y=(0..21)", words.elementsLine};
  for (const ElementLine& element : kElementLines)
    lines.push_back(std::string(" ") + element.code + " - " + element.name[language]);
  lines.push_back(" Caves[Number,(Cave*120)+(Level*24)+22]:=Value;");
  lines.push_back(" Cave=(0..19) Level=(0..4) Number=(0..11)");
  lines.push_back(words.propertiesLine);
  for (const PropertyLine& property : kPropertyLines)
    lines.push_back(std::string(" ") + property.number + " - " + property.name[language] + " (" + property.range +
                    ")");
  return lines;
}

std::string BuildHelpText(int language) {
  const std::span<const KeyLine> keys(kKeyLines);
  std::string memo;
  AddPart(memo, kHelpTitle.data(), KeyPart(keys.subspan(0, kTitleKeyCount), language));
  AddPart(memo, kFormatWords[language].controlsTitle,
          KeyPart(keys.subspan(kTitleKeyCount, kGameKeyCount), language));
  AddPart(memo, kFormatWords[language].editorTitle, KeyPart(keys.subspan(kTitleKeyCount + kGameKeyCount), language));
  AddPart(memo, kFormatWords[language].formatTitle, FormatPart(language));
  return memo;
}

}  // namespace

const std::string& Text(int entry, int language) {
  static const std::string empty;
  if (entry < 0 || entry >= kLanguageEntryCount) return empty;
  return LanguageTable()[entry][KnownLanguage(language)];
}

std::string_view LanguageName(int language) {
  static constexpr std::array<std::string_view, kLanguageCount> names = {"English", "Deutsch", "Polski"};
  return names[KnownLanguage(language)];
}

const std::string& HelpText(int language) {
  static const std::array<std::string, kLanguageCount> memos = {BuildHelpText(0), BuildHelpText(1),
                                                                BuildHelpText(2)};
  return memos[KnownLanguage(language)];
}

std::string_view EditText(EditMenuText text, int language) {
  static constexpr std::string_view kTexts[3][3] = {
      {"Edit", "Bearbeiten", "Edycja"},
      {"Undo", "Rückgängig", "Cofnij"},
      {"Redo", "Wiederholen", "Ponów"},
  };
  const int shown = language >= 0 && language < kLanguageCount ? language : 0;
  return kTexts[int(text)][shown];
}

std::string_view OptionsText(OptionsMenuText text, int language) {
  static constexpr std::string_view kTexts[1][3] = {
      {"Keep quick taps", "Kurze Tastendrücke merken", "Zapamiętuj krótkie naciśnięcia"},
  };
  const int shown = language >= 0 && language < kLanguageCount ? language : 0;
  return kTexts[int(text)][shown];
}

std::string WriteFailureText(const std::string& path, int error, int language) {
  struct Reason {
    int error;
    std::string_view text[kLanguageCount];
  };
  static constexpr std::string_view kHead[kLanguageCount] = {
      "The file could not be written:", "Die Datei konnte nicht geschrieben werden:", "Nie można zapisać pliku:"};
  static constexpr Reason kReasons[] = {
      {ENOSPC, {"The disk is full.", "Der Datenträger ist voll.", "Dysk jest pełny."}},
      {EDQUOT, {"The disk quota is used up.", "Das Speicherkontingent ist erschöpft.", "Przydział miejsca na dysku jest wyczerpany."}},
      {EACCES, {"Permission denied.", "Zugriff verweigert.", "Brak uprawnień."}},
      {EPERM, {"Permission denied.", "Zugriff verweigert.", "Brak uprawnień."}},
      {EROFS, {"The disk is read-only.", "Der Datenträger ist schreibgeschützt.", "Dysk jest tylko do odczytu."}},
      {ENOENT, {"The folder does not exist.", "Der Ordner existiert nicht.", "Folder nie istnieje."}},
      {EISDIR, {"A folder has that name.", "Ein Ordner trägt diesen Namen.", "Folder ma taką nazwę."}},
      {EIO, {"Input/output error.", "Ein-/Ausgabefehler.", "Błąd wejścia/wyjścia."}},
  };
  const int shown = language >= 0 && language < kLanguageCount ? language : 0;
  std::string reason = std::strerror(error);
  for (const Reason& r : kReasons)
    if (r.error == error) reason = std::string(r.text[shown]);
  return std::string(kHead[shown]) + "\n" + path + "\n\n" + reason;
}

}  // namespace quarrion
