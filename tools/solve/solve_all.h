// The whole-set sweep: the default search on every level of a cave set, one after another.
#pragma once
#include "core/cave_set.h"
#include "solver/solver.h"

namespace quarrion {

// Prints a line per level as it ends, then the solved count, the slowest levels and the total
// time. Every solution is replayed from the level's start before it counts. 0 when all are solved.
int SolveAllLevels(const CaveSet& caves, const SolveBudget& budget);

}  // namespace quarrion
