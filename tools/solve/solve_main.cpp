// quarrion-solve FILE.qcv --cave K --level J [budget]: searches a key sequence that reaches the exit;
// --all runs the default search over every level of the set and prints a summary.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "tools/sim/arguments.h"
#include "solver/demo_from_solution.h"
#include "solver/level_play.h"
#include "solver/solver.h"
#include "tools/solve/solve_all.h"

namespace {

constexpr const char* kProgram = "quarrion-solve";
constexpr const char* kUsage =
    "usage: quarrion-solve FILE.qcv --cave K --level J [--seconds S] [--threads N] [--memory-mb M]\n"
    "       [--first-round N]: passes of each strategy's first try\n"
    "       [--max-simulations N] [--max-passes N] [--verbose]\n"
    "       [--weight W] [--diamond-cost C] [--max-stall N] [--keep-dirt] [--count-diamonds]:\n"
    "       one strategy instead of all, on one thread\n"
    "       or FILE.qcv --all [--seconds S] [--threads N]: every level, solved count, slowest, total time\n"
    "       or FILE.qcv --cave K --level J --verify KEYS: says whether KEYS reach the exit on their last pass\n"
    "  K is 0..19 or a letter A..T, J is 0..4; prints one key letter per pass (. U D L R u d l r)";

}  // namespace

int main(int argc, char** argv) {
  using namespace quarrion;
  std::string file;
  long cave = -1;
  long level = -1;
  Strategy strategy;
  bool ownStrategy = false;
  bool all = false;
  bool verbose = false;
  long maxSimulations = 0;
  long maxPasses = 0;
  long memoryMb = 1024;
  long threads = 0;
  SolveBudget budget;
  std::string verify;
  cli::ArgumentHandlers handlers;
  handlers.flags = {"--keep-dirt", "--count-diamonds", "--verbose", "--all"};
  handlers.onFlag = [&](const std::string& flag) {
    if (flag == "--keep-dirt") strategy.keepDirt = ownStrategy = true;
    if (flag == "--count-diamonds") strategy.countDiamondsOnly = ownStrategy = true;
    if (flag == "--verbose") verbose = true;
    if (flag == "--all") all = true;
  };
  handlers.onOption = [&](const std::string& name, const std::string& value, std::string& why) {
    long number = 0;
    if (name == "--cave") {
      if (value.size() == 1 && value[0] >= 'A' && value[0] <= 'T') {
        cave = value[0] - 'A';
        return true;
      }
      return cli::NumberOption(kProgram, name, value, 0, kCaveCount - 1, cave, why);
    }
    if (name == "--verify") {
      verify = value;
      return true;
    }
    if (name == "--level") return cli::NumberOption(kProgram, name, value, 0, kLevelCount - 1, level, why);
    if (name == "--max-simulations")
      return cli::NumberOption(kProgram, name, value, 1, 2000000000L, maxSimulations, why);
    if (name == "--max-passes") return cli::NumberOption(kProgram, name, value, 1, 60000L, maxPasses, why);
    if (name == "--memory-mb") return cli::NumberOption(kProgram, name, value, 16, 65536L, memoryMb, why);
    if (name == "--threads") return cli::NumberOption(kProgram, name, value, 1, 16, threads, why);
    if (name == "--first-round")
      return cli::NumberOption(kProgram, name, value, 1000, 100000000L, budget.firstRoundSimulations, why);
    if (name == "--seconds") {
      if (!cli::NumberOption(kProgram, name, value, 1, 86400L, number, why)) return false;
      budget.seconds = double(number);
      return true;
    }
    if (name == "--max-stall") {
      if (!cli::NumberOption(kProgram, name, value, 0, 200, number, why)) return false;
      strategy.maxStall = int(number);
      ownStrategy = true;
      return true;
    }
    if (name == "--diamond-cost") {
      if (!cli::NumberOption(kProgram, name, value, 0, 1000, number, why)) return false;
      strategy.diamondCost = int(number);
      ownStrategy = true;
      return true;
    }
    if (name == "--weight") {
      char* end = nullptr;
      strategy.weight = std::strtod(value.c_str(), &end);
      ownStrategy = true;
      if (!value.empty() && *end == '\0' && strategy.weight >= 0 && strategy.weight <= 1000) return true;
      why = "quarrion-solve: --weight must be 0..1000";
      return false;
    }
    why = "quarrion-solve: unknown option " + name;
    return false;
  };
  std::string error;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!cli::ReadArguments(args, kProgram, handlers, file, error)) {
    std::fprintf(stderr, "%s\n%s\n", error.c_str(), kUsage);
    return 2;
  }
  if (file.empty() || (!all && (cave < 0 || level < 0))) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  auto caves = std::make_unique<CaveSet>();
  if (!ReadCaveSetFile(file, *caves)) {
    std::fprintf(stderr, "quarrion-solve: cannot read a cave set from %s\n", file.c_str());
    return 2;
  }
  if (!verify.empty()) {
    long passes = 0;
    const bool reached = SolutionReachesExit(*caves, int(cave), int(level), verify, &passes);
    const bool exact = reached && passes == long(verify.size());
    std::printf("%s\n", exact ? "exit" : reached ? "exit before the keys end" : "no exit");
    return exact ? 0 : 1;
  }
  budget.memoryBytes = std::size_t(memoryMb) << 20;
  budget.threads = int(threads);
  if (all) return SolveAllLevels(*caves, budget);
  if (ownStrategy || maxSimulations > 0 || maxPasses > 0 || verbose) {
    // one strategy, searched to its limits on this thread: for experiments
    LevelPlay play(*caves);
    play.Start(int(cave), int(level));
    SearchLimits limits;
    if (maxSimulations > 0) limits.maxSimulations = maxSimulations;
    if (maxPasses > 0) limits.maxPasses = maxPasses;
    limits.memoryBytes = budget.memoryBytes;
    limits.verbose = verbose;
    const SearchResult result = Search(play.Game(), play.Time(), strategy, limits);
    if (result.end != SearchEnd::Found) {
      std::fprintf(stderr, "quarrion-solve: no solution within the limits (%ld passes simulated, %ld states)\n",
                   result.simulations, result.distinctStates);
      return 1;
    }
    std::printf("%s\n", result.keys.c_str());
    std::fprintf(stderr, "quarrion-solve: %zu passes, %d demo runs, %ld passes simulated, %ld states\n",
                 result.keys.size(), DemoRunsOf(result.keys), result.simulations, result.distinctStates);
    return 0;
  }
  const SolveOutcome outcome = SolveLevel(*caves, int(cave), int(level), budget);
  if (outcome.status != SolveStatus::Solved) {
    std::fprintf(stderr, "quarrion-solve: no solution within %.0f s (%ld passes simulated)\n", budget.seconds,
                 outcome.simulations);
    return 1;
  }
  std::printf("%s\n", outcome.keys.c_str());
  std::fprintf(stderr, "quarrion-solve: %zu passes, %d demo runs, %ld passes simulated in %.1f s, strategy %d\n",
               outcome.keys.size(), DemoRunsOf(outcome.keys), outcome.simulations, outcome.seconds,
               outcome.strategy);
  return 0;
}
