// One pass of the rules on busy full caves: boulders and diamonds falling and rolling, fireflies,
// butterflies, amoeba, slime, a magic wall, expanding walls and a walking player.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/cave_scan.h"
#include "core/cave_start.h"
#include "core/elements.h"
#include "core/game_state.h"

namespace quarrion {
namespace {

void AddFixtures(CaveSet& caves) {
  caves.Cell(0, 0, 10, 9) = Slime;
  caves.Cell(0, 0, 20, 9) = MagicWall;
  caves.Cell(0, 0, 14, 3) = HExpandingWall;
  caves.Cell(0, 0, 24, 14) = VExpandingWall;
  caves.Cell(0, 0, 18, 11) = InBox;
  caves.Cell(0, 0, 38, 20) = OutBox;
  caves.PropertyAt(0, 0, PropInboxDelay) = 0;
  caves.PropertyAt(0, 0, PropAmoebaMaxSize) = 255;
}

// A designed-looking cave: dirt with a boulder or diamond in every third cell, rows of falling
// objects over dug-out gaps, creatures in open pockets and an amoeba field.
void DrawTypicalBusyCave(CaveSet& caves) {
  for (int cy = 1; cy < kMapHeight - 1; ++cy) {
    for (int cx = 1; cx < kMapWidth - 1; ++cx) {
      uint8_t code = Dirt;
      const int k = (cx * 7 + cy * 13) % 9;
      if (k == 0 || k == 4) code = Boulder;
      if (k == 7) code = Diamond;
      if (cy % 5 == 4) code = Space;  // gaps under every fifth row keep things falling
      if (cy % 5 == 3 && cx % 3 == 0) code = cx % 2 ? uint8_t{BoulderFalling} : uint8_t{DiamondFalling};
      caves.Cell(0, 0, cx, cy) = code;
    }
  }
  for (int i = 0; i < 8; ++i) {
    const int cx = 3 + i * 4;
    const int cy = 2 + (i % 3) * 6;
    caves.Cell(0, 0, cx, cy) = i % 2 ? uint8_t{FireflyLeft} : uint8_t{ButterflyDown};
    caves.Cell(0, 0, cx + 1, cy) = Space;
    caves.Cell(0, 0, cx, cy + 1) = Space;
  }
  for (int cy = 12; cy <= 19; ++cy)
    for (int cx = 28; cx <= 36; ++cx) caves.Cell(0, 0, cx, cy) = (cx + cy) % 3 ? uint8_t{Amoeba} : uint8_t{Dirt};
}

// The worst case for the scan: every cell a different-looking neighbour of the last, so that no
// visit can be foreseen.
void DrawScrambledCave(CaveSet& caves) {
  const uint8_t pattern[] = {Boulder, Space, Diamond, Space, BoulderFalling, Space, Dirt, DiamondFalling};
  for (int cy = 1; cy < kMapHeight - 1; ++cy) {
    for (int cx = 1; cx < kMapWidth - 1; ++cx) {
      uint8_t code = pattern[(cx * 3 + cy * 5) % 8];
      if (cy % 6 == 5) code = (cx % 4 == 0) ? uint8_t{BrickWall} : uint8_t{Boulder};
      if (cx % 9 == 4 && cy % 4 == 2) code = (cx + cy) % 2 ? uint8_t{FireflyLeft} : uint8_t{ButterflyDown};
      if (cx >= 28 && cx <= 36 && cy >= 12 && cy <= 19) code = (cx + cy) % 3 ? uint8_t{Amoeba} : uint8_t{Dirt};
      caves.Cell(0, 0, cx, cy) = code;
    }
  }
}

std::unique_ptr<GameState> StartedCave(void (*draw)(CaveSet&)) {
  auto game = std::make_unique<GameState>();
  ResetCaves(game->caves);
  draw(game->caves);
  AddFixtures(game->caves);
  ShellHooks shell;
  CaveStart(*game, shell);
  FinishUncover(*game);
  game->play.phase = 0;
  game->keys.keyRight = 1;
  // a few passes so that the player is born and things are under way
  for (int i = 0; i < 6; ++i) CaveScan(*game, shell);
  return game;
}

// The same busy pass again and again: the playfield and state are put back before each pass
// (a copy of about 1 KB, included in the time).
void RepeatPass(benchmark::State& state, void (*draw)(CaveSet&)) {
  auto game = StartedCave(draw);
  const Grid field = game->grids.playfield;
  const PlayState play = game->play;
  const CaveParams params = game->params;
  const uint32_t seed = game->random.State();
  ShellHooks shell;
  for (auto _ : state) {
    game->grids.playfield = field;
    game->play = play;
    game->params = params;
    game->random.SetState(seed);
    CaveScan(*game, shell);
    benchmark::DoNotOptimize(game->grids.playfield.cells.data());
  }
}

void BM_CaveScanTypicalBusyPass(benchmark::State& state) { RepeatPass(state, DrawTypicalBusyCave); }
BENCHMARK(BM_CaveScanTypicalBusyPass)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CaveScanScrambledPass(benchmark::State& state) { RepeatPass(state, DrawScrambledCave); }
BENCHMARK(BM_CaveScanScrambledPass)->Repetitions(9)->ReportAggregatesOnly(true);

// The typical cave left to run: 200 passes from the busy start, as play would see them.
void BM_CaveScanTypicalRunning200(benchmark::State& state) {
  auto start = StartedCave(DrawTypicalBusyCave);
  auto game = std::make_unique<GameState>();
  ShellHooks shell;
  for (auto _ : state) {
    state.PauseTiming();
    *game = *start;
    state.ResumeTiming();
    for (int i = 0; i < 200; ++i) CaveScan(*game, shell);
    benchmark::DoNotOptimize(game->grids.playfield.cells.data());
  }
}
BENCHMARK(BM_CaveScanTypicalRunning200)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace quarrion

BENCHMARK_MAIN();
