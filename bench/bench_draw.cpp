// One game frame at zoom 2 on the software surface, over a cave where almost every cell moves
// or animates, so most cells take two to four picture draws.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/media/headless_media.h"
#include "core/elements.h"
#include "view/game_frame.h"

namespace quarrion {
namespace {

// Pictures with a transparent quarter, so the draws take the transparency test as real ones do.
ImageListData BenchImages(int size, int count, int height = 0) {
  ImageListData data;
  for (int n = 0; n < count; ++n) {
    ImageItem item;
    item.bitmap.width = size;
    item.bitmap.height = height > 0 ? height : size;
    item.bitmap.pixels.resize(std::size_t(item.bitmap.width) * std::size_t(item.bitmap.height));
    for (int y = 0; y < item.bitmap.height; ++y)
      for (int x = 0; x < item.bitmap.width; ++x)
        item.bitmap.pixels[std::size_t(y * item.bitmap.width + x)] =
            (x + y) % 4 == 0 ? kMagenta : uint32_t(0x102030 * (n + 1) + x * 3 + y);
    data.items.push_back(std::move(item));
  }
  return data;
}

void BusyCave(GameState& game) {
  static constexpr struct {
    uint8_t code;
    uint8_t motion;
  } kCells[] = {
      {BoulderFalling, 1}, {Diamond, 9},      {Player, 6},   {FireflyLeft, 3}, {ButterflyDown, 1},
      {Amoeba, 5},         {Space, 2},        {Boulder, 5},  {Dirt, 0},        {DiamondFalling, 1},
      {Slime, 0},          {MagicWall, 1},    {Space, 1},    {SpaceExplosion2, 0},
      {PlayerDummy, 1},    {HExpandingWall, 2}, {CoverTile, 0},
  };
  int i = 0;
  for (int x = 0; x < kGridWidth; ++x) {
    for (int y = 0; y < kGridHeight; ++y) {
      const auto& cell = kCells[std::size_t(i++ % int(std::size(kCells)))];
      game.grids.playfield(x, y) = cell.code;
      game.grids.motionMap(x, y) = cell.motion;
      game.grids.tileVariant(x, y) = uint8_t(i & 3);
    }
  }
  game.play.magicWallState = 1;
  game.play.playerAnim = 12;
  game.play.playerBorn = 1;
  game.params.diamondsNeeded = 30;
  game.play.score = 1234;
}

// A cave as one is usually seen: dirt and walls, some boulders and diamonds, a few movers.
void TypicalCave(GameState& game) {
  for (int x = 0; x < kGridWidth; ++x) {
    for (int y = 0; y < kGridHeight; ++y) {
      const int k = (x * 7 + y * 13) % 20;
      const uint8_t code = k < 9 ? Dirt : k < 12 ? Space : k < 14 ? Boulder : k < 16 ? Diamond : k < 18 ? BrickWall
                                                                                        : SteelWall;
      game.grids.playfield(x, y) = code;
      game.grids.tileVariant(x, y) = uint8_t(k & 3);
    }
  }
  game.grids.playfield(12, 8) = Player;
  game.grids.motionMap(12, 8) = 6;
  game.grids.playfield(15, 6) = FireflyLeft;
  game.grids.motionMap(15, 6) = 3;
  game.grids.playfield(18, 9) = BoulderFalling;
  game.grids.motionMap(18, 9) = 1;
  game.play.playerAnim = 12;
  game.play.playerBorn = 1;
}

void DrawFrames(benchmark::State& state, void (*makeCave)(GameState&)) {
  auto game = std::make_unique<GameState>();
  makeCave(*game);
  ViewState view;
  view.zoom = 2;
  view.scrollX = 7;
  view.scrollY = 4;
  game->camera.offsetX = -12;
  game->camera.offsetY = -8;
  HeadlessMedia media;
  media.surface.Resize(800, 504);
  media.images.Data() = BenchImages(40, 114);
  media.fonts.Data() = BenchImages(14, 82, 20);
  Media m = media.View();
  uint8_t tick = 0;
  for (auto _ : state) {
    game->play.subFrame = uint8_t(tick & 7);
    game->play.animToggle = uint8_t((tick >> 3) & 1);
    ++tick;
    DrawGameFrame(*game, view, m);
    benchmark::DoNotOptimize(media.surface.Pixels().data());
  }
}
void BM_DrawGameFrameZoom2Busy(benchmark::State& state) { DrawFrames(state, BusyCave); }
void BM_DrawGameFrameZoom2Typical(benchmark::State& state) { DrawFrames(state, TypicalCave); }
BENCHMARK(BM_DrawGameFrameZoom2Busy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawGameFrameZoom2Typical)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarrion

BENCHMARK_MAIN();
