#include "solver/hint.h"

#include "core/key_letters.h"
#include "solver/level_play.h"
#include "solver/state_key.h"

namespace quarrion {

std::vector<HintCell> HintPath(const GameState& game, const std::string& keys, int maxMoves) {
  LevelPlay play(game);
  std::vector<HintCell> path;
  int px = 0;
  int py = 0;
  FindPlayer(play.Game(), px, py);
  path.push_back({px - 1, py - 1});
  for (char letter : keys) {
    if (int(path.size()) > maxMoves) break;
    KeyFlags flags;
    if (!KeyFlagsOf(letter, flags) || !play.Step(flags)) break;
    // a take with the fire key, a push that fails, a wait: the player stays where the path is
    const bool found = FindPlayer(play.Game(), px, py);
    // in the exit the player is no longer a player cell; the move there still counts
    if (!found && !play.ExitReached()) continue;
    const HintCell cell = found ? HintCell{px - 1, py - 1}
                                : HintCell{play.Game().play.playerX, play.Game().play.playerY};
    if (cell.x != path.back().x || cell.y != path.back().y) path.push_back(cell);
    if (play.ExitReached() || play.PlayerLost()) break;
  }
  return path;
}

}  // namespace quarrion
