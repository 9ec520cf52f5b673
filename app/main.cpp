// Headless self-check: loads the bundled cave set (or the one named on the command line) and
// prints what it holds, cave by cave.
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/elements.h"

namespace {

std::string ProgramFolder(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::canonical("/proc/self/exe", error);
  if (!error) return self.parent_path().string();
  return std::filesystem::path(argv0).parent_path().string();
}

int CountCode(const quarrion::CaveSet& caves, int cave, int level, uint8_t code) {
  int count = 0;
  for (int cy = 0; cy < quarrion::kMapHeight; ++cy)
    for (int cx = 0; cx < quarrion::kMapWidth; ++cx) count += caves.Cell(cave, level, cx, cy) == code;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quarrion;
  const std::string path =
      argc == 2 ? std::string(argv[1]) : ProgramFolder(argv[0]) + "/Levels/Quarrion.qcv";
  static CaveSet caves;
  if (!ReadCaveSetFile(path, caves)) {
    std::fprintf(stderr, "quarrion: %s is not a cave set (missing, unreadable or not 96000 bytes)\n",
                 path.c_str());
    return 2;
  }
  std::printf("%s\n", CaveSetCaption(CaveSetNameOf(path)).c_str());
  std::printf("hi-score %u, saved game: cave %c level %d lives %d score %u\n", StoredHiScore(caves),
              'A' + caves.Record(kSavedCaveColumn) % kCaveCount, caves.Record(kSavedLevelColumn) % 5 + 1,
              caves.Record(kSavedLivesColumn), SavedScore(caves));
  int playable = 0;
  for (int cave = 0; cave < kCaveCount; ++cave) {
    std::printf("cave %c%s demo:%s ", 'A' + cave, IsSmallCave(cave) ? " (small)" : "",
                caves.DemoHeaderAt(cave, DemoFlagColumn) == kDemoPresent ? "yes" : "no ");
    for (int level = 0; level < kLevelCount; ++level) {
      const bool ok = IsCavePlayable(caves, cave, level);
      playable += ok;
      std::printf(" %d:[%s time %3d need %3d diamonds %3d]", level + 1, ok ? "ok" : "--",
                  caves.PropertyAt(cave, level, PropCaveTime), caves.PropertyAt(cave, level, PropDiamondsNeeded),
                  CountCode(caves, cave, level, Diamond) + CountCode(caves, cave, level, DiamondFalling));
    }
    std::printf("\n");
  }
  std::printf("%d of %d levels playable\n", playable, kCaveCount * kLevelCount);
  return playable > 0 ? 0 : 1;
}
