// The figures of one level of a cave set played by its stored keys through the real game step:
// what it asks (diamonds, clock) and what its route takes of the clock.
#pragma once
#include <string>

#include "core/cave_set.h"

namespace quarrion {

struct LevelFigures {
  int diamondsNeeded = 0;
  int diamondsPresent = 0;  // diamonds lying in the cave when play starts
  int caveSeconds = 0;      // the cave clock at the start, in clock ticks (seconds on screen)
  long passes = 0;          // key letters of the route, the last one into the exit
  long moves = 0;           // the passes that hold a direction
  int routeSeconds = 0;     // clock ticks the route uses up to the exit
  bool reachesExit = false;
  // The route's share of the clock, 0..1 (0 when the route does not reach the exit).
  double TimeShare() const { return caveSeconds > 0 && reachesExit ? double(routeSeconds) / caveSeconds : 0.0; }
};

LevelFigures MeasureLevel(const CaveSet& caves, int cave, int level, const std::string& keys);

}  // namespace quarrion
