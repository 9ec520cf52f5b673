// quarrion-solve FILE.qcv --cave K --level J [limits]: searches a key sequence that reaches the exit.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "tools/sim/arguments.h"
#include "tools/solve/level_play.h"
#include "tools/solve/solver.h"

namespace {

constexpr const char* kProgram = "quarrion-solve";
constexpr const char* kUsage =
    "usage: quarrion-solve FILE.qcv --cave K --level J [--max-simulations N] [--max-open N]\n"
    "       [--max-passes N] [--weight W] [--diamond-cost C] [--keep-dirt] [--count-diamonds] [--verbose]\n"
    "       or FILE.qcv --cave K --level J --verify KEYS: says whether KEYS reach the exit on their last pass\n"
    "  K is 0..19 or a letter A..T, J is 0..4; prints one key letter per pass (. U D L R u d l r)";

}  // namespace

int main(int argc, char** argv) {
  using namespace quarrion;
  std::string file;
  long cave = -1;
  long level = -1;
  SolveLimits limits;
  std::string verify;
  cli::ArgumentHandlers handlers;
  handlers.flags = {"--keep-dirt", "--count-diamonds", "--verbose"};
  handlers.onFlag = [&limits](const std::string& flag) {
    if (flag == "--keep-dirt") limits.keepDirt = true;
    if (flag == "--count-diamonds") limits.countDiamondsOnly = true;
    if (flag == "--verbose") limits.verbose = true;
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
      return cli::NumberOption(kProgram, name, value, 1, 2000000000L, limits.maxSimulations, why);
    if (name == "--max-open") return cli::NumberOption(kProgram, name, value, 1, 20000000L, limits.maxOpen, why);
    if (name == "--max-passes") return cli::NumberOption(kProgram, name, value, 1, 60000L, limits.maxPasses, why);
    if (name == "--diamond-cost") {
      if (!cli::NumberOption(kProgram, name, value, 0, 1000, number, why)) return false;
      limits.diamondCost = int(number);
      return true;
    }
    if (name == "--weight") {
      char* end = nullptr;
      limits.weight = std::strtod(value.c_str(), &end);
      if (!value.empty() && *end == '\0' && limits.weight >= 0 && limits.weight <= 1000) return true;
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
  if (file.empty() || cave < 0 || level < 0) {
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
  const SolveResult result = Solve(*caves, int(cave), int(level), limits);
  if (!result.found) {
    std::fprintf(stderr, "quarrion-solve: no solution within the limits (%ld passes simulated, %ld states)\n",
                 result.simulations, result.distinctStates);
    return 1;
  }
  std::printf("%s\n", result.keys.c_str());
  std::fprintf(stderr, "quarrion-solve: %zu passes, %d demo runs, %ld passes simulated, %ld states\n",
               result.keys.size(), DemoRunsOf(result.keys), result.simulations, result.distinctStates);
  return 0;
}
