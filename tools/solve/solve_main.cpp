// quarrion-solve FILE.qcv --cave K --level J [limits]: searches a key sequence that reaches the exit.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/cave_set_file.h"
#include "tools/solve/level_play.h"
#include "tools/solve/solver.h"

namespace {

constexpr const char* kUsage =
    "usage: quarrion-solve FILE.qcv --cave K --level J [--max-simulations N] [--max-open N]\n"
    "       [--max-passes N] [--weight W] [--diamond-cost C] [--keep-dirt] [--verbose]\n"
    "  K is 0..19 or a letter A..T, J is 0..4; prints one key letter per pass (. U D L R u d l r)";

bool ParseLong(const std::string& text, long low, long high, long& value) {
  if (text.empty() || text.size() > 10) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0' && value >= low && value <= high;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quarrion;
  std::string file;
  long cave = -1;
  long level = -1;
  SolveLimits limits;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--keep-dirt") {
      limits.keepDirt = true;
      continue;
    }
    if (arg == "--verbose") {
      limits.verbose = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      file = arg;
      continue;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "quarrion-solve: %s needs a value\n%s\n", arg.c_str(), kUsage);
      return 2;
    }
    const std::string value = argv[++i];
    long number = 0;
    bool ok = true;
    if (arg == "--cave") {
      if (value.size() == 1 && value[0] >= 'A' && value[0] <= 'T') {
        cave = value[0] - 'A';
      } else {
        ok = ParseLong(value, 0, kCaveCount - 1, cave);
      }
    } else if (arg == "--level") {
      ok = ParseLong(value, 0, kLevelCount - 1, level);
    } else if (arg == "--max-simulations") {
      ok = ParseLong(value, 1, 2000000000L, limits.maxSimulations);
    } else if (arg == "--max-open") {
      ok = ParseLong(value, 1, 20000000L, limits.maxOpen);
    } else if (arg == "--max-passes") {
      ok = ParseLong(value, 1, 60000L, limits.maxPasses);
    } else if (arg == "--diamond-cost") {
      ok = ParseLong(value, 0, 1000, number);
      limits.diamondCost = int(number);
    } else if (arg == "--weight") {
      char* end = nullptr;
      limits.weight = std::strtod(value.c_str(), &end);
      ok = *end == '\0' && limits.weight >= 0 && limits.weight <= 1000;
    } else {
      ok = false;
    }
    if (!ok) {
      std::fprintf(stderr, "quarrion-solve: bad %s %s\n%s\n", arg.c_str(), value.c_str(), kUsage);
      return 2;
    }
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
