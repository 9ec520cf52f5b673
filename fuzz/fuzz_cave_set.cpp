// Arbitrary bytes as the parts of a cave set file that play reads: a level's map and property row
// (its generator settings too), the record row with the hi-score and the saved position, and a
// demo's header and bytes. The title takes the saved position, the demo is played back and the
// level is started and played; every pass must stay in bounds and free of undefined behaviour.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/cave_scan.h"
#include "core/cave_start.h"
#include "core/demo.h"
#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/key_letters.h"
#include "core/shell_hooks.h"
#include "core/sim_time.h"
#include "fuzz/fuzz_target.h"

namespace {

using namespace quarrion;

struct Bytes {
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  bool Empty() const { return at >= size; }
  uint8_t Next() { return at < size ? data[at++] : 0; }
};

void CheckBounds(const GameState& game) {
  const PlayState& s = game.play;
  if (s.caveNo >= kCaveCount || s.levelNo >= kLevelCount) std::abort();
  if (s.demoPos < -1 || s.demoPos > kLastDemoPos) std::abort();
}

void Pass(GameState& game, ShellHooks& shell) {
  game.sounds = SoundEvents{};
  CaveScan(game, shell);
  CheckBounds(game);
}

}  // namespace

QUARRION_FUZZ_TARGET(QuarrionFuzzCaveSet) {
  Bytes in{data, size};
  auto game = std::make_unique<GameState>();
  CaveSet& caves = game->caves;
  ResetCaves(caves);
  const int cave = in.Next() % kCaveCount;
  const int level = in.Next() % kLevelCount;
  for (int column = 0; column < kCaveSetColumns; ++column)
    caves.PropertyAt(cave, level, column) = in.Empty() ? caves.PropertyAt(cave, level, column) : in.Next();
  for (int column = 0; column < 10; ++column) caves.Record(column) = in.Next();
  for (int column = DemoFlagColumn; column <= DemoLengthLowColumn; ++column) caves.DemoHeaderAt(cave, column) = in.Next();
  const int demoBytes = std::min<int>(kDemoBytes, in.Next() * 2);
  for (int i = 0; i < demoBytes; ++i) caves.DemoByte(cave, i) = in.Next();
  const int cells = in.Next() * 4;
  for (int i = 0; i < cells && !in.Empty(); ++i) caves.Cell(cave, level, i % kMapWidth, (i / kMapWidth) % kMapHeight) = in.Next();
  game->caveSet.caveSetLoaded = 1;  // no file name: nothing is written back

  ShellHooks shell;
  ReturnToTitle(*game);
  CheckBounds(*game);

  // the demo, played back pass by pass as the scan does it
  game->play.caveNo = uint8_t(cave);
  PlayDemoCommand(*game, shell);
  if (game->play.demoPlaying) {
    FinishUncover(*game);
    for (int pass = 0; pass < 300 && game->play.demoPlaying && !DemoHasEnded(game->play); ++pass) Pass(*game, shell);
  }

  // the level itself, with the rest of the bytes as the keys of its passes
  ReturnToTitle(*game);
  game->play.caveNo = uint8_t(cave);
  game->play.levelNo = uint8_t(level);
  Start(*game, shell);
  FinishUncover(*game);
  for (int pass = 0; pass < 100; ++pass) {
    KeyFlagsOf(".UDLRudlrF"[in.Next() % 10], game->keys);
    Pass(*game, shell);
  }

  // and whole ticks through the phases and the cave clock
  SimTime time(1);
  for (int tick = 0; tick < 120; ++tick) {
    time.Tick(*game, shell);
    CheckBounds(*game);
  }
  return 0;
}
