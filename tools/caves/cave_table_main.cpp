// quarrion-cave-table FILE.qcv SOLUTIONS.txt: a line per level with the diamonds needed and present,
// the cave time, the stored route in passes and moves, its clock seconds and its share of the clock.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "tools/caves/level_figures.h"
#include "tools/solve/solution_file.h"

int main(int argc, char** argv) {
  using namespace quarrion;
  if (argc != 3) {
    std::fprintf(stderr, "usage: quarrion-cave-table FILE.qcv SOLUTIONS.txt\n");
    return 2;
  }
  auto caves = std::make_unique<CaveSet>();
  if (!ReadCaveSetFile(argv[1], *caves)) {
    std::fprintf(stderr, "quarrion-cave-table: cannot read a cave set from %s\n", argv[1]);
    return 2;
  }
  Solutions solutions;
  std::vector<std::string> errors;
  if (!ReadSolutions(argv[2], solutions, errors)) {
    for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
    return 2;
  }
  int failures = 0;
  std::printf("level need have  time passes moves route share\n");
  for (int cave = 0; cave < kCaveCount; ++cave) {
    for (int level = 0; level < kLevelCount; ++level) {
      const std::string& keys = solutions[std::size_t(cave)][std::size_t(level)];
      const LevelFigures f = MeasureLevel(*caves, cave, level, keys);
      if (!f.reachesExit) ++failures;
      std::printf("%-5s %4d %4d %5d %6ld %5ld %5d %4.0f%%%s\n", LevelName(cave, level).c_str(), f.diamondsNeeded,
                  f.diamondsPresent, f.caveSeconds, f.passes, f.moves, f.routeSeconds, 100.0 * f.TimeShare(),
                  keys.empty() ? "  no solution" : f.reachesExit ? "" : "  no exit");
    }
  }
  return failures == 0 ? 0 : 1;
}
