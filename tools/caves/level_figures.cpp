#include "tools/caves/level_figures.h"

#include "core/elements.h"
#include "core/key_letters.h"
#include "solver/level_play.h"

namespace quarrion {

LevelFigures MeasureLevel(const CaveSet& caves, int cave, int level, const std::string& keys) {
  LevelFigures figures;
  LevelPlay play(caves);
  play.Start(cave, level);
  const GameState& game = play.Game();
  figures.diamondsNeeded = game.params.diamondsNeeded;
  figures.caveSeconds = game.params.caveTime;
  for (int x = 1; x <= kMapWidth; ++x)
    for (int y = 1; y <= kMapHeight; ++y)
      if (game.grids.playfield(x, y) == Diamond) ++figures.diamondsPresent;
  int clockBeforePass = game.params.caveTime;
  for (char letter : keys) {
    KeyFlags flags;
    if (!KeyFlagsOf(letter, flags) || !play.Step(flags)) break;
    if (letter != '.') ++figures.moves;
    // the time bonus counts the clock down once the player is in the exit: take it from the pass before
    if (play.ExitReached()) {
      figures.reachesExit = true;
      break;
    }
    if (play.PlayerLost()) break;
    clockBeforePass = game.params.caveTime;
  }
  figures.passes = play.Passes();
  figures.routeSeconds = figures.caveSeconds - clockBeforePass;
  return figures;
}

}  // namespace quarrion
