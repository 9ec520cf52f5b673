// The soak: long headless play through the real game step, on every level of a cave set (its
// stored solutions and random keys) and on caves made by the editor's generator with random
// settings. Every pass is checked; every run is played twice and must repeat hash for hash; a
// recorded demo must play back through the same states.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "tools/solve/solution_file.h"

namespace quarrion {

struct SoakReport;

struct SoakOptions {
  long passes = 100000;         // go on with fresh random runs until this many passes are played
  int generatedCaves = 20;      // caves made by the generator, each played with random keys
  int passesPerRun = 600;       // the longest run of random keys
  uint32_t seed = 1;            // of the soak's own random keys and settings
  std::function<void(const SoakReport&)> afterRun;  // called after every run, for progress figures
};

struct SoakReport {
  long passes = 0;
  long runs = 0;
  long solutionRuns = 0;
  long generatedRuns = 0;
  long demoChecks = 0;
  std::vector<std::string> faults;  // "where: what", at most a few hundred
};

// Plays the set's 100 levels and then generated caves until options.passes are reached.
SoakReport RunSoak(const CaveSet& caves, const Solutions& solutions, const SoakOptions& options);

}  // namespace quarrion
