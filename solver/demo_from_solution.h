// Demos made from solutions: the keys are played through the real recorder, so the demo holds
// exactly the runs the game writes, and the playback is checked to end in the exit.
#pragma once
#include <string>

#include "core/cave_set.h"

namespace quarrion {

// A demo playback ends at the first pass of its last run, so the pass that walks into the exit
// must open a run of its own: when it would continue the run before it, the same step is taken
// with the fire key (taking the open exit from beside it has the same effect).
std::string WithExitOnItsOwnRun(const std::string& keys);

// Runs of the demo recorder the keys would take (the first pass opens the first run).
int DemoRunsOf(const std::string& keys);

// Records keys on that cave and level as the cave's demo into caves; only the demo bytes and the
// header of that cave change. False (with a reason) when the recording does not end in the exit.
bool RecordDemoFromKeys(CaveSet& caves, int cave, int level, const std::string& keys, std::string& error);

// Plays the stored demo of the cave after delayMs of title time; true when it ends with the player
// in the exit. passes, when given, receives the passes played.
bool DemoEndsInExit(const CaveSet& caves, int cave, int delayMs, long* passes = nullptr);

}  // namespace quarrion
