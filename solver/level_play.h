// A level played through the real game step at the default speed, one pass per key letter: the
// same frames, cave clock and random draws as the game in its window, without drawing.
#pragma once
#include <memory>
#include <string>

#include "core/game_state.h"
#include "core/key_letters.h"
#include "core/shell_hooks.h"
#include "core/sim_time.h"

namespace quarrion {

class LevelPlay {
 public:
  explicit LevelPlay(const CaveSet& caves);
  // Goes on from a copy of a game in play: what is played here never reaches that game or a file.
  explicit LevelPlay(const GameState& inPlay);

  // The start command on that cave and level as a new game, then cover and uncover until play.
  void Start(int cave, int level);
  // The record command on that cave and level; the passes that follow are recorded as its demo.
  void StartRecording(int cave, int level);
  // The play command from that cave on (the first cave with a demo in cave order); delayMs of
  // title time pass before it, so the cave clock stands at another phase against the passes.
  void StartDemo(int cave, int delayMs);

  // Runs the frames up to and including the next pass with these keys held. False when no pass
  // came because play has ended (exit, time out, demo end).
  bool Step(const KeyFlags& keys);
  // Runs the next pass with whatever keys the demo sets.
  bool StepDemo() { return Step(game_->keys); }

  bool InPlay() const { return game_->play.phase == 0; }
  // The player went into the exit: the time bonus is counting (or, in a demo, the player is in it).
  bool ExitReached() const;
  // No player left and none to come, a dummy died, or the time ran out.
  bool PlayerLost() const;
  bool PlayerBorn() const { return game_->play.playerBorn == 1; }
  long Passes() const { return passes_; }

  GameState& Game() { return *game_; }
  const GameState& Game() const { return *game_; }
  ShellHooks& Shell() { return shell_; }
  SimTime& Time() { return time_; }

 private:
  void RunUntilPlay();

  std::unique_ptr<GameState> game_;
  ShellHooks shell_;
  SimTime time_;
  long passes_ = 0;
};

// Plays keys (one letter per pass) from the start of the level; true when the exit is reached.
bool SolutionReachesExit(const CaveSet& caves, int cave, int level, const std::string& keys,
                         long* passesPlayed = nullptr);

}  // namespace quarrion
