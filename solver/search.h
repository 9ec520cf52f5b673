// One best-first search over the passes of play with one strategy: each child is re-simulated from
// its parent's snapshot through the real game step. States are told apart by StateKey and each is
// expanded once; states that kill the player are dropped; the order follows the passes so far plus
// the strategy's weight times the Estimator's passes still needed.
#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/game_state.h"
#include "core/sim_time.h"

namespace quarrion {

// How one search weighs and tells apart its states.
struct Strategy {
  double weight = 3.0;             // weight of the estimate against the passes so far
  int diamondCost = 10;            // estimated passes per diamond still to collect after the next
  bool keepDirt = false;           // tell states apart by their dirt as well
  bool countDiamondsOnly = false;  // tell states apart by the number of diamonds taken, not which
  int maxStall = 12;               // passes in a row that change nothing, still worth a try
  double effort = 1.0;             // its tries' passes in a portfolio, against the round's share
};

// Where one search must stop. The clock, the stop flag and the memory are checked between two
// expansions, so a stop is seen within one expansion (a few passes).
struct SearchLimits {
  long maxSimulations = 4000000;  // passes simulated in all
  long maxPasses = 4000;          // longest key sequence tried
  std::size_t memoryBytes = std::size_t{512} << 20;  // for the lists; the snapshots go first, then the search
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  const std::atomic<bool>* stop = nullptr;  // set by another thread to end the search at once
  std::atomic<long>* simulatedTotal = nullptr;  // passes simulated, added up across searches
  std::function<void(uint64_t key)> onExpand;   // sees the key of every state taken off the list
  bool verbose = false;
};

enum class SearchEnd { Found, Exhausted, OutOfSimulations, OutOfTime, OutOfMemory, Stopped };

struct SearchResult {
  SearchEnd end = SearchEnd::Exhausted;
  std::string keys;  // one key letter per pass, the last pass the one that finds the player in the exit
  long simulations = 0;
  long expanded = 0;
  long distinctStates = 0;
  long duplicates = 0;  // children dropped because their state was seen before
  std::size_t peakBytes = 0;
};

// Searches from a copy of a game in play (at the start of a pass); the game is never touched.
SearchResult Search(const GameState& start, const SimTime& time, const Strategy& strategy,
                    const SearchLimits& limits);

}  // namespace quarrion
