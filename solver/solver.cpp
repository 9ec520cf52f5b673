#include "solver/solver.h"

#include <algorithm>

#include "solver/demo_from_solution.h"
#include "solver/level_play.h"

namespace quarrion {

// The state the workers search from, made on the worker thread for a level and on the caller's
// thread for a game in play.
struct Solver::Start {
  std::unique_ptr<CaveSet> caves;
  int cave = -1;
  int level = -1;
  std::unique_ptr<LevelPlay> play;
};

std::vector<Strategy> DefaultPortfolio() {
  // measured one strategy at a time on every level of the default set: a strong pull toward the
  // diamonds solves most caves at once; a low weight with dear diamonds finds the long ways round
  // that greed walks past (growing walls, the finale), given three times the passes; patience
  // (passes that change nothing kept longer) opens slime and magic walls; telling states apart by
  // the number of diamonds alone opens the magic mill. Together they leave no default level unsolved.
  return {
      {3.0, 10, false, false, 12, 1.0},
      {1.5, 20, false, false, 12, 3.0},
      {6.0, 30, false, false, 40, 1.0},
      {2.5, 40, false, true, 40, 1.0},
      {2.0, 20, false, true, 30, 1.0},
  };
}

int WorkerThreads(const SolveBudget& budget) {
  if (budget.threads > 0) return budget.threads;
  return int(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
}

Solver::~Solver() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void Solver::StartLevel(const CaveSet& caves, int cave, int level, const SolveBudget& budget,
                        std::vector<Strategy> portfolio) {
  auto start = std::make_unique<Start>();
  start->caves = std::make_unique<CaveSet>(caves);
  start->cave = cave;
  start->level = level;
  Launch(std::move(start), budget, std::move(portfolio));
}

void Solver::StartFrom(const GameState& game, const SolveBudget& budget, std::vector<Strategy> portfolio) {
  auto start = std::make_unique<Start>();
  start->play = std::make_unique<LevelPlay>(game);
  Launch(std::move(start), budget, std::move(portfolio));
}

void Solver::Launch(std::unique_ptr<Start> start, const SolveBudget& budget, std::vector<Strategy> portfolio) {
  Cancel();
  if (thread_.joinable()) thread_.join();
  cancelled_ = false;
  stop_ = false;
  finished_ = false;
  simulations_ = 0;
  tries_ = 0;
  nextTry_ = 0;
  exhausted_.assign(portfolio.size(), false);
  outcome_ = SolveOutcome{};
  began_ = std::chrono::steady_clock::now();
  deadline_ = began_ + std::chrono::microseconds(long(budget.seconds * 1e6));
  thread_ = std::thread(&Solver::Run, this, std::move(start), budget, std::move(portfolio));
}

SolveProgress Solver::Progress() const {
  SolveProgress p;
  p.simulations = simulations_.load();
  p.triesStarted = tries_.load();
  p.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
  return p;
}

SolveOutcome Solver::Wait() {
  if (thread_.joinable()) thread_.join();
  std::lock_guard lock(mutex_);
  return outcome_;
}

// Tries go round the strategies; each round gives every strategy four times the passes of the
// round before, starting afresh (the lost work is a third at most).
bool Solver::NextTry(const std::vector<Strategy>& portfolio, const SolveBudget& budget, int& strategy,
                     long& simulations) {
  std::lock_guard lock(mutex_);
  const int count = int(portfolio.size());
  constexpr int kRounds = 8;
  while (nextTry_ < count * kRounds) {
    const int k = nextTry_++;
    if (exhausted_[std::size_t(k % count)]) continue;
    strategy = k % count;
    simulations = std::max(1L, long(double(budget.firstRoundSimulations) * portfolio[std::size_t(strategy)].effort));
    for (int r = 0; r < k / count; ++r) simulations *= 4;
    return true;
  }
  return false;
}

void Solver::Worker(const Start& start, const SolveBudget& budget, const std::vector<Strategy>& portfolio) {
  const int threads = std::max(1, budget.threads);
  int strategy = 0;
  long simulations = 0;
  while (!stop_ && !cancelled_ && std::chrono::steady_clock::now() < deadline_ &&
         NextTry(portfolio, budget, strategy, simulations)) {
    ++tries_;
    SearchLimits limits;
    limits.maxSimulations = simulations;
    limits.memoryBytes = budget.memoryBytes / std::size_t(threads);
    limits.deadline = deadline_;
    limits.stop = &stop_;
    limits.simulatedTotal = &simulations_;
    SearchResult result = Search(start.play->Game(), start.play->Time(), portfolio[std::size_t(strategy)], limits);
    if (result.end == SearchEnd::Exhausted) {
      std::lock_guard lock(mutex_);
      exhausted_[std::size_t(strategy)] = true;
    }
    if (result.end != SearchEnd::Found) continue;
    std::lock_guard lock(mutex_);
    // the first to arrive wins; a helper that finds one as well is told to stop by then
    if (outcome_.status != SolveStatus::Solved) {
      outcome_.status = SolveStatus::Solved;
      outcome_.keys = std::move(result.keys);
      outcome_.strategy = strategy;
    }
    stop_ = true;
  }
}

void Solver::Run(std::unique_ptr<Start> start, SolveBudget budget, std::vector<Strategy> portfolio) {
  if (!start->play) {
    start->play = std::make_unique<LevelPlay>(*start->caves);
    start->play->Start(start->cave, start->level);
  }
  budget.threads = WorkerThreads(budget);
  if (start->play->InPlay() && !portfolio.empty()) {
    std::vector<std::thread> helpers;
    for (int i = 1; i < budget.threads; ++i)
      helpers.emplace_back(&Solver::Worker, this, std::cref(*start), std::cref(budget), std::cref(portfolio));
    Worker(*start, budget, portfolio);
    for (std::thread& t : helpers) t.join();
  }
  std::lock_guard lock(mutex_);
  if (cancelled_) {
    outcome_.status = SolveStatus::Cancelled;
    outcome_.keys.clear();
  } else if (outcome_.status == SolveStatus::Solved && start->caves) {
    // ready to be recorded as a demo, if the changed last step still gets there
    const std::string demoReady = WithExitOnItsOwnRun(outcome_.keys);
    if (demoReady != outcome_.keys && SolutionReachesExit(*start->caves, start->cave, start->level, demoReady))
      outcome_.keys = demoReady;
  }
  outcome_.simulations = simulations_.load();
  outcome_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count();
  finished_ = true;
}

SolveOutcome SolveLevel(const CaveSet& caves, int cave, int level, const SolveBudget& budget,
                        std::vector<Strategy> portfolio) {
  Solver solver;
  solver.StartLevel(caves, cave, level, budget, std::move(portfolio));
  return solver.Wait();
}

}  // namespace quarrion
