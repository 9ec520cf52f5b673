// Writes a small starter cave set: every level a dug-out room with an inbox, an exit, boulders
// and diamonds, so the program has something to play before the designed set replaces it.
#include <cstdio>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/elements.h"

int main(int argc, char** argv) {
  using namespace quarrion;
  if (argc != 2) {
    std::fprintf(stderr, "usage: quarrion-starter-caves OUT.qcv\n");
    return 2;
  }
  static CaveSet caves;
  ResetCaves(caves);
  for (int cave = 0; cave < kCaveCount; ++cave) {
    const int w = IsSmallCave(cave) ? kSmallMapWidth : kMapWidth;
    const int h = IsSmallCave(cave) ? kSmallMapHeight : kMapHeight;
    for (int level = 0; level < kLevelCount; ++level) {
      caves.Cell(cave, level, 2, 2) = InBox;
      caves.Cell(cave, level, w - 3, h - 3) = OutBox;
      for (int i = 0; i < 12; ++i) {
        const int x = 3 + (i * 7 + cave) % (w - 6);
        const int y = 3 + (i * 5 + level) % (h - 6);
        caves.Cell(cave, level, x, y) = i % 2 ? Boulder : Diamond;
      }
      caves.PropertyAt(cave, level, PropDiamondsNeeded) = 3;
    }
  }
  if (!WriteCaveSetFile(argv[1], caves)) {
    std::fprintf(stderr, "quarrion-starter-caves: cannot write %s\n", argv[1]);
    return 2;
  }
  return 0;
}
