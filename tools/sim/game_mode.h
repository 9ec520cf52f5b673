// The simulator's game mode: the start command and real game steps with their phases and cave
// clock on simulated time, a stored demo played back, or KEYS recorded as a cave's demo.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace quarrion::sim {

struct GameModeOptions {
  std::string file;
  int cave = -1;
  int level = -1;
  std::string keys;
  bool haveKeys = false;
  int speedMs = 14;
  int lives = 0;  // 0: as the start command gives them
  bool dumpAll = false;
  int playDemo = -1;  // cave whose demo is played
  bool recordDemo = false;
  std::string out;  // where the set with the recorded demo goes
};

// Reads the arguments of game mode (the --mode pair already taken out).
bool ParseGameModeArguments(const std::vector<std::string>& args, GameModeOptions& options,
                            std::string& error);

// How a run ended, and after how many passes with what score.
struct GameEnd {
  std::string reason;  // exit, dead, timeout, demo-end or keys-done
  long passes = 0;
  int32_t score = 0;
};

// Runs the game as the options say on a loaded cave set, printing the dumps; false when the run
// cannot be made (no demo to play, the run never ends), with a one-line message in error.
bool RunGame(const GameModeOptions& options, GameState& game, std::ostream& out, GameEnd& end,
             std::string& error);

// The whole of game mode: returns the exit status (0, or 2 on bad arguments or files).
int GameModeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Picks the mode from --mode (scan by default) and runs it.
int ModeMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarrion::sim
