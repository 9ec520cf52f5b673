// The texts of the solver's check in the editor and of the hint in the game, in the three
// languages. Kept beside the language table: the table's 87 entries stay as they are.
#pragma once
#include <string_view>

namespace quarrion {

enum class SolveText {
  CheckMenu,      // the Edit menu item
  CheckButton,    // the panel button
  Searching,      // the progress dialog; %1 the seconds so far, %2 the budget
  Cancel,
  Solvable,       // %1 moves, %2 seconds used, %3 seconds of the budget
  AskStoreDemo,
  NotFound,
  HintMenu,       // the Game menu item, with its key
  NoHint,         // the status strip, in the game font's capitals
};

// The text in a language; an unknown language reads as English.
std::string_view SolveTextOf(SolveText text, int language);

}  // namespace quarrion
