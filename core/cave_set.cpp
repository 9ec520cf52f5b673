#include "core/cave_set.h"

#include <algorithm>

#include "core/elements.h"

namespace quarrion {
namespace {

uint32_t Read24(const CaveSet& caves, int firstColumn) {
  return uint32_t(caves.Record(firstColumn)) << 16 | uint32_t(caves.Record(firstColumn + 1)) << 8 |
         caves.Record(firstColumn + 2);
}

// Three bytes hold 0..16777215; larger scores are kept at the largest value rather than wrapping
// to a small number, and a negative one (never reached in play) as 0.
void Write24(CaveSet& caves, int firstColumn, int32_t value) {
  const uint32_t v = uint32_t(std::clamp<int64_t>(value, 0, 0xFFFFFF));
  caves.Record(firstColumn) = uint8_t(v >> 16);
  caves.Record(firstColumn + 1) = uint8_t(v >> 8);
  caves.Record(firstColumn + 2) = uint8_t(v);
}

}  // namespace

uint32_t StoredHiScore(const CaveSet& caves) { return Read24(caves, 1); }
void StoreHiScore(CaveSet& caves, int32_t hiScore) { Write24(caves, 1, hiScore); }
uint32_t SavedScore(const CaveSet& caves) { return Read24(caves, 7); }
void StoreSavedScore(CaveSet& caves, int32_t score) { Write24(caves, 7, score); }

void FillFramedDirt(CaveSet& caves, int cave, int level) {
  const int width = IsSmallCave(cave) ? kSmallMapWidth : kMapWidth;
  const int height = IsSmallCave(cave) ? kSmallMapHeight : kMapHeight;
  for (int cy = 0; cy < height; ++cy) {
    for (int cx = 0; cx < width; ++cx) {
      const bool frame = cx == 0 || cy == 0 || cx == width - 1 || cy == height - 1;
      caves.Cell(cave, level, cx, cy) = frame ? SteelWall : Dirt;
    }
  }
}

void ResetCaves(CaveSet& caves) {
  caves.bytes.fill(0);
  for (int cave = 0; cave < kCaveCount; ++cave) {
    for (int level = 0; level < kLevelCount; ++level) {
      for (int i = 0; i < kPropertyCount; ++i) caves.PropertyAt(cave, level, i) = kDefaultProperties[i];
      for (int cy = 0; cy < kMapHeight; ++cy)
        for (int cx = 0; cx < kMapWidth; ++cx) caves.Cell(cave, level, cx, cy) = SteelWall;
      FillFramedDirt(caves, cave, level);
    }
  }
}

bool IsCavePlayable(const CaveSet& caves, int cave, int level) {
  bool inbox = false;
  bool outbox = false;
  for (int cy = 0; cy < kMapHeight; ++cy) {
    for (int cx = 0; cx < kMapWidth; ++cx) {
      const uint8_t code = caves.Cell(cave, level, cx, cy);
      inbox = inbox || code == InBox;
      outbox = outbox || code == OutBox;
    }
  }
  return inbox && outbox;
}

}  // namespace quarrion
