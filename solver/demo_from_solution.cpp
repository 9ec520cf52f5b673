#include "solver/demo_from_solution.h"

#include <algorithm>
#include <vector>

#include "core/demo.h"
#include "solver/level_play.h"

namespace quarrion {
namespace {

// More passes than 400 runs can hold: a playback that has not ended by then never will.
constexpr long kMaxDemoPasses = 400L * 50L + 10L;

char WithFire(char letter) {
  switch (letter) {
    case 'R': return 'r';
    case 'L': return 'l';
    case 'U': return 'u';
    case 'D': return 'd';
    default: return letter;
  }
}

// The move of each pass and whether it opens a run, as the recorder cuts them.
std::vector<bool> RunStarts(const std::string& keys) {
  std::vector<bool> starts;
  int move = -1;
  int count = 0;
  for (char letter : keys) {
    KeyFlags k;
    KeyFlagsOf(letter, k);
    const int m = DemoMoveOf(k);
    const bool opens = !(m == move && count < MaxRunOf(m));
    count = opens ? 1 : count + 1;
    move = m;
    starts.push_back(opens);
  }
  return starts;
}

}  // namespace

int DemoRunsOf(const std::string& keys) {
  const std::vector<bool> starts = RunStarts(keys);
  return int(std::count(starts.begin(), starts.end(), true));
}

std::string WithExitOnItsOwnRun(const std::string& keys) {
  // the last letter is the pass that finds the player in the exit; the one before walks in
  if (keys.size() < 3) return keys;
  const std::size_t enter = keys.size() - 2;
  if (RunStarts(keys)[enter]) return keys;
  std::string changed = keys;
  changed[enter] = WithFire(keys[enter]);
  return changed;
}

bool RecordDemoFromKeys(CaveSet& caves, int cave, int level, const std::string& keys, std::string& error) {
  LevelPlay play(caves);
  play.StartRecording(cave, level);
  for (char letter : keys) {
    KeyFlags flags;
    if (!KeyFlagsOf(letter, flags)) {
      error = std::string("the key letter '") + letter + "' is not one of . U D L R u d l r F";
      return false;
    }
    if (!play.Step(flags)) break;
    if (DemoHasEnded(play.Game().play)) break;
  }
  const GameState& game = play.Game();
  if (!DemoHasEnded(game.play)) {
    error = "the recording did not end within the keys";
    return false;
  }
  if (!play.ExitReached()) {
    error = "the recording ended before the exit (" + std::to_string(play.Passes()) + " passes)";
    return false;
  }
  for (int i = 0; i < kDemoBytes; ++i) caves.DemoByte(cave, i) = game.caves.DemoByte(cave, i);
  for (int column = DemoFlagColumn; column <= DemoLengthLowColumn; ++column)
    caves.DemoHeaderAt(cave, column) = game.caves.DemoHeaderAt(cave, column);
  return true;
}

bool DemoEndsInExit(const CaveSet& caves, int cave, int delayMs, long* passes) {
  LevelPlay play(caves);
  play.StartDemo(cave, delayMs);
  while (play.Passes() < kMaxDemoPasses && play.StepDemo() && !DemoHasEnded(play.Game().play)) {
  }
  if (passes) *passes = play.Passes();
  return DemoHasEnded(play.Game().play) && play.ExitReached();
}

}  // namespace quarrion
