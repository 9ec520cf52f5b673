#include "app/solve_texts.h"

#include <array>

namespace quarrion {
namespace {

using Texts = std::array<std::string_view, 3>;  // English, German, Polish

constexpr std::array<Texts, 9> kTexts = {{
    {{"Check solvable", "Lösbarkeit prüfen", "Sprawdź, czy da się przejść"}},
    {{"Solvable?", "Lösbar?", "Do przejścia?"}},
    {{"Searching for a solution... %1 of %2 s", "Suche eine Lösung... %1 von %2 s",
      "Szukam rozwiązania... %1 z %2 s"}},
    {{"Cancel", "Abbrechen", "Anuluj"}},
    {{"Solvable in %1 moves, using %2 of the %3 seconds.", "Lösbar in %1 Zügen, nach %2 der %3 Sekunden.",
      "Do przejścia w %1 ruchach, po %2 z %3 sekund."}},
    {{"Store this solution as the cave's demo?", "Diese Lösung als Demo der Cave speichern?",
      "Zapisać to rozwiązanie jako demo tej jaskini?"}},
    {{"No solution found within the budget.\nThis is not a proof that the level cannot be solved.",
      "Keine Lösung innerhalb der Zeit gefunden.\nDas ist kein Beweis, dass der Level unlösbar ist.",
      "Nie znaleziono rozwiązania w dostępnym czasie.\nTo nie dowód, że poziomu nie da się przejść."}},
    {{"Hint                F1", "Tipp                       F1", "Podpowiedź        F1"}},
    {{"NO HINT FOUND", "KEIN TIPP", "BRAK PODPOWIEDZI"}},
}};

}  // namespace

std::string_view SolveTextOf(SolveText text, int language) {
  const std::size_t entry = std::size_t(text);
  if (language < 0 || language >= 3) language = 0;
  return kTexts[entry][std::size_t(language)];
}

}  // namespace quarrion
