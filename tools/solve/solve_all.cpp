#include "tools/solve/solve_all.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "solver/level_play.h"
#include "tools/solve/solution_file.h"

namespace quarrion {
namespace {

struct LevelTime {
  std::string name;
  double seconds;
  bool solved;
};

constexpr std::size_t kSlowestShown = 8;

}  // namespace

int SolveAllLevels(const CaveSet& caves, const SolveBudget& budget) {
  const auto began = std::chrono::steady_clock::now();
  std::vector<LevelTime> times;
  std::string unsolved;
  for (int cave = 0; cave < kCaveCount; ++cave) {
    for (int level = 0; level < kLevelCount; ++level) {
      const SolveOutcome outcome = SolveLevel(caves, cave, level, budget);
      // a solution counts only when it plays to the exit from the start, as a stored one would
      const bool solved =
          outcome.status == SolveStatus::Solved && SolutionReachesExit(caves, cave, level, outcome.keys);
      const std::string name = LevelName(cave, level);
      times.push_back({name, outcome.seconds, solved});
      if (!solved) unsolved += " " + name;
      std::printf("%s %s %6.2f s %9ld passes simulated", name.c_str(), solved ? "solved    " : "NOT SOLVED",
                  outcome.seconds, outcome.simulations);
      if (solved) std::printf(", %zu passes, strategy %d", outcome.keys.size(), outcome.strategy);
      std::printf("\n");
      std::fflush(stdout);
    }
  }
  const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const auto solvedCount = std::count_if(times.begin(), times.end(), [](const LevelTime& t) { return t.solved; });
  std::sort(times.begin(), times.end(), [](const LevelTime& a, const LevelTime& b) { return a.seconds > b.seconds; });
  std::printf("solved %ld of %zu levels in %.1f s (budget %.0f s a level, %d threads)\n", long(solvedCount),
              times.size(), total, budget.seconds, WorkerThreads(budget));
  std::printf("slowest:");
  for (std::size_t i = 0; i < std::min(kSlowestShown, times.size()); ++i)
    std::printf(" %s %.2f s%s", times[i].name.c_str(), times[i].seconds, i + 1 < kSlowestShown ? "," : "");
  std::printf("\nnot solved:%s\n", unsolved.empty() ? " none" : unsolved.c_str());
  return unsolved.empty() ? 0 : 1;
}

}  // namespace quarrion
