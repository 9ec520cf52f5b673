// The solver: finds key letters (one a pass) that take the player from a state of play to the exit.
// It owns a worker thread (and a helper per further core, two at most) and everything they touch:
// a copy of the cave set or of the game in play, its snapshots, trees and seen sets. The caller's
// game is never read after the start call, so play, the editor and drawing go on meanwhile.
// The search is a portfolio: several strategies of the best-first search, side by side on the
// workers and in rounds of growing size, until one reaches the exit, the budget is spent or the
// caller cancels. No level needs settings of its own.
#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/cave_set.h"
#include "core/game_state.h"
#include "solver/search.h"

namespace quarrion {

struct SolveBudget {
  double seconds = 10.0;
  std::size_t memoryBytes = std::size_t{1} << 30;  // shared by the workers
  int threads = 0;                                 // 0: one a core, two at most
  // each strategy's first try, later rounds four times more: long enough for most levels' first
  // answer, short enough that a strategy that cannot find one soon hands the cores to the next
  long firstRoundSimulations = 500000;
};

// The workers a search with this budget runs on.
int WorkerThreads(const SolveBudget& budget);

// The strategies tried, the most often successful first.
std::vector<Strategy> DefaultPortfolio();

struct SolveProgress {
  long simulations = 0;  // passes simulated so far, all workers together
  double seconds = 0;
  int triesStarted = 0;  // strategy runs begun
};

enum class SolveStatus { Solved, NotFound, Cancelled };

struct SolveOutcome {
  SolveStatus status = SolveStatus::NotFound;
  std::string keys;  // when solved: one letter a pass, the last pass ends in the exit
  double seconds = 0;
  long simulations = 0;
  int strategy = -1;  // index in the portfolio of the strategy that found it
};

class Solver {
 public:
  Solver() = default;
  Solver(const Solver&) = delete;
  Solver& operator=(const Solver&) = delete;
  ~Solver();  // cancels and waits for the workers

  // Searches from the start of that level, as a new game on it; a solution found here also
  // records as a demo that ends in the exit.
  void StartLevel(const CaveSet& caves, int cave, int level, const SolveBudget& budget,
                  std::vector<Strategy> portfolio = DefaultPortfolio());
  // Searches from a copy of a game in play (taken now, before this returns).
  void StartFrom(const GameState& game, const SolveBudget& budget,
                 std::vector<Strategy> portfolio = DefaultPortfolio());

  bool Finished() const { return finished_.load(); }
  SolveProgress Progress() const;
  // Ends the search as soon as the workers look (within a few passes); Wait then says Cancelled.
  void Cancel() {
    cancelled_ = true;
    stop_ = true;
  }
  // Waits for the workers and gives the outcome; also after Finished, any number of times.
  SolveOutcome Wait();

 private:
  struct Start;
  void Launch(std::unique_ptr<Start> start, const SolveBudget& budget, std::vector<Strategy> portfolio);
  void Run(std::unique_ptr<Start> start, SolveBudget budget, std::vector<Strategy> portfolio);
  void Worker(const Start& start, const SolveBudget& budget, const std::vector<Strategy>& portfolio);
  bool NextTry(const std::vector<Strategy>& portfolio, const SolveBudget& budget, int& strategy, long& simulations);

  std::thread thread_;
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> finished_{false};
  std::atomic<long> simulations_{0};
  std::atomic<int> tries_{0};
  std::chrono::steady_clock::time_point began_;
  std::chrono::steady_clock::time_point deadline_;

  std::mutex mutex_;  // guards what follows
  int nextTry_ = 0;
  std::vector<bool> exhausted_;  // strategies whose whole space was searched
  SolveOutcome outcome_;
};

// Searches the level from its start and waits for the answer.
SolveOutcome SolveLevel(const CaveSet& caves, int cave, int level, const SolveBudget& budget,
                        std::vector<Strategy> portfolio = DefaultPortfolio());

}  // namespace quarrion
