// The letters that write one pass of play controls as text, shared by the simulator, the solver,
// stored solutions and tests: '.' none, U D L R a direction, u d l r a direction with fire, F fire.
#pragma once
#include "core/game_state.h"

namespace quarrion {

// Sets keys for one letter; false (and no keys) for a letter that is not one of the ten.
bool KeyFlagsOf(char letter, KeyFlags& keys);

}  // namespace quarrion
