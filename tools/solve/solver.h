// The level solver: a best-first search over the passes of a level, each child re-simulated from
// its parent's snapshot through the real game step. States are told apart by the player's place,
// the diamonds collected and the layout of everything but dirt; states that kill the player are
// dropped; the order follows the passes so far plus a weighted estimate of the passes still needed.
#pragma once
#include <cstdint>
#include <string>

#include "core/cave_set.h"

namespace quarrion {

struct SolveLimits {
  long maxSimulations = 4000000;  // passes simulated in all
  long maxOpen = 300000;          // snapshots kept waiting; the worst half goes when full
  long maxPasses = 4000;          // longest key sequence tried
  double weight = 3.0;            // weight of the estimate against the passes so far
  int diamondCost = 10;           // estimated passes per diamond still to collect after the next
  bool keepDirt = false;          // tell states apart by their dirt as well
  bool countDiamondsOnly = false; // tell states apart by the number of diamonds taken, not which
  bool verbose = false;
};

struct SolveResult {
  bool found = false;
  std::string keys;  // one key letter per pass, the last pass the one that finds the player in the exit
  long simulations = 0;
  long expanded = 0;
  long distinctStates = 0;
};

SolveResult Solve(const CaveSet& caves, int cave, int level, const SolveLimits& limits);

// Runs of the demo recorder the keys would take (the first pass opens the first run).
int DemoRunsOf(const std::string& keys);

}  // namespace quarrion
