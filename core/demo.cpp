#include "core/demo.h"

#include <array>

#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/game_flow.h"
#include "core/game_phases.h"

namespace quarrion {
namespace {

constexpr int kCaveStartSound = 16;
constexpr uint8_t kRecordingFlag = 0;
constexpr uint8_t kNeverSwitched = 255;

// Per move: the first byte of its range and the longest run a byte holds.
constexpr std::array<uint8_t, kDemoMoveCount> kFirstByte = {0, 50, 80, 100, 130, 150, 190, 200, 240};
constexpr std::array<uint8_t, kDemoMoveCount> kMaxRun = {50, 30, 20, 30, 20, 40, 10, 40, 10};

int HeaderNumber(const CaveSet& caves, int cave, int highColumn) {
  return caves.DemoHeaderAt(cave, highColumn) * 256 + caves.DemoHeaderAt(cave, highColumn + 1);
}

void ClearKeys(KeyFlags& keys) { keys = KeyFlags{}; }

// The byte of the run under way goes in at once, so the stored demo never ends on a byte the
// recorder had not written yet.
void WriteCurrentRun(GameState& game) {
  const PlayState& s = game.play;
  game.caves.DemoByte(s.caveNo, s.demoPos) = DemoByteFor(s.demoRecMove, s.demoRepeat);
}

void CoverForDemoEnd(PlayState& s, ShellHooks& shell) {
  s.coverCounter = kDemoEndTicks;
  shell.PlaySound(kCaveStartSound);
  s.phase = PhaseDemoEnd;
}

// The chain stops once it would come around to the title's saved cave.
bool ChainGoesOn(const GameState& game) {
  const int savedCave = game.caves.Record(kSavedCaveColumn);
  int cave = game.play.caveNo;
  for (int step = 0; step < kCaveCount; ++step) {
    cave = NextCaveInOrder(cave);
    if (cave == savedCave) return false;
    if (HasDemo(game.caves, cave)) return true;
  }
  return true;  // a saved cave from a damaged file is never met: the chain runs on
}

}  // namespace

int DemoMoveOf(const KeyFlags& keys) {
  // a later test replaces an earlier one, as the poll lets the later direction win
  int move = 0;
  if (keys.keyRight) move = keys.keyFire ? 5 : 1;
  if (keys.keyDown) move = keys.keyFire ? 6 : 2;
  if (keys.keyLeft) move = keys.keyFire ? 7 : 3;
  if (keys.keyUp) move = keys.keyFire ? 8 : 4;
  return move;
}

int MaxRunOf(int move) { return kMaxRun[std::size_t(move)]; }

uint8_t DemoByteFor(int move, int count) { return uint8_t(kFirstByte[std::size_t(move)] + count - 1); }

DemoRun DecodeDemoByte(uint8_t byte) {
  if (byte >= kFirstDamagedDemoByte) return DemoRun{};
  int move = kDemoMoveCount - 1;
  while (byte < kFirstByte[std::size_t(move)]) --move;
  return DemoRun{move, byte - kFirstByte[std::size_t(move)] + 1};
}

void SetKeysOfMove(KeyFlags& keys, int move) {
  keys.keyRight = 0;
  keys.keyDown = 0;
  keys.keyLeft = 0;
  keys.keyUp = 0;
  if (move == 0) return;  // fire stays as it was
  const int direction = (move - 1) % 4;
  if (direction == 0) keys.keyRight = 1;
  if (direction == 1) keys.keyDown = 1;
  if (direction == 2) keys.keyLeft = 1;
  if (direction == 3) keys.keyUp = 1;
  keys.keyFire = move >= 5 ? 1 : 0;
}

bool HasDemo(const CaveSet& caves, int cave) {
  // a level beyond the five would start a cave outside the set
  return caves.DemoHeaderAt(cave, DemoFlagColumn) == kDemoPresent &&
         caves.DemoHeaderAt(cave, DemoLevelColumn) < kLevelCount;
}

bool AnyDemo(const CaveSet& caves) {
  for (int cave = 0; cave < kCaveCount; ++cave)
    if (HasDemo(caves, cave)) return true;
  return false;
}

int DemoLength(const CaveSet& caves, int cave) { return HeaderNumber(caves, cave, DemoLengthHighColumn); }

void PlayDemoCommand(GameState& game, ShellHooks& shell) {
  if (!AnyDemo(game.caves)) return;
  PlayState& s = game.play;
  int cave = s.caveNo < kCaveCount ? s.caveNo : 0;
  while (!HasDemo(game.caves, cave)) cave = NextCaveInOrder(cave);
  s.caveNo = uint8_t(cave);
  s.levelNo = game.caves.DemoHeaderAt(cave, DemoLevelColumn);
  s.demoRecording = 0;
  s.demoPlaying = 1;
  s.demoPos = -1;
  s.demoMove = 0;
  s.demoRecMove = 0;
  s.demoRepeat = 0;
  s.demoFrame = -2;
  CaveStart(game, shell);
}

void RecordDemoCommand(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.demoRecStarted = 0;
  s.demoRecording = 1;
  s.demoPlaying = 0;
  s.attractMode = 0;  // the recording's end leads to the title, never into the chain
  s.demoPos = 0;
  s.demoMove = 0;
  s.demoRecMove = 0;
  s.demoRepeat = 1;
  s.demoFrame = 0;
  CaveSet& caves = game.caves;
  caves.DemoHeaderAt(s.caveNo, DemoFlagColumn) = kRecordingFlag;
  if (s.editorActive) game.caveSet.cavesModified = 1;
  caves.DemoHeaderAt(s.caveNo, DemoLevelColumn) = s.levelNo;
  caves.DemoHeaderAt(s.caveNo, DemoAmoebaHighColumn) = kNeverSwitched;
  caves.DemoHeaderAt(s.caveNo, DemoAmoebaLowColumn) = kNeverSwitched;
  WriteCurrentRun(game);
  CaveStart(game, shell);
}

void StartAutomaticDemo(GameState& game, ShellHooks& shell) {
  game.play.attractMode = AnyDemo(game.caves) ? 1 : 0;
  PlayDemoCommand(game, shell);
}

void DemoStep(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (DemoHasEnded(s)) return;
  ++s.demoFrame;
  if (s.demoFrame == HeaderNumber(game.caves, s.caveNo, DemoAmoebaHighColumn)) {
    s.amoebaFast = 1;
    s.amoebaGrowthProb = game.params.amoebaFastProb;
  }
  if (s.demoPos < kLastDemoPos) {
    if (s.demoRepeat == 0) {
      ++s.demoPos;
      const DemoRun run = DecodeDemoByte(game.caves.DemoByte(s.caveNo, s.demoPos));
      if (run.count == 0) {
        // the recorder never writes such a byte: the demo is damaged, and it ends here idle
        ClearKeys(game.keys);
        EndDemoPlayback(game, shell);
        return;
      }
      s.demoMove = int16_t(run.move);
      s.demoRepeat = uint8_t(run.count);
    }
    SetKeysOfMove(game.keys, s.demoMove);
    --s.demoRepeat;
  }
  // the pass still runs with the keys just set
  if (s.demoPos == DemoLength(game.caves, s.caveNo)) EndDemoPlayback(game, shell);
}

void RecordDemoStep(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (DemoHasEnded(s)) return;  // an end earlier in the pass has stored the demo already
  ++s.demoFrame;
  const int move = DemoMoveOf(game.keys);
  if (move == s.demoRecMove && s.demoRepeat < MaxRunOf(s.demoRecMove)) {
    ++s.demoRepeat;
    WriteCurrentRun(game);
    if (game.params.caveTime == 1) EndDemoRecording(game, shell);
    return;
  }
  WriteCurrentRun(game);  // closes the run
  if (s.demoPos >= kLastDemoPos) {
    EndDemoRecording(game, shell);  // 400 runs fill the storage
    return;
  }
  ++s.demoPos;
  s.demoRecMove = int16_t(move);
  s.demoRepeat = 1;
  WriteCurrentRun(game);
  if (game.params.caveTime == 1) EndDemoRecording(game, shell);
}

void EndDemoRecording(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (DemoHasEnded(s)) return;
  CaveSet& caves = game.caves;
  caves.DemoHeaderAt(s.caveNo, DemoFlagColumn) = kDemoPresent;
  const uint16_t length = uint16_t(s.demoPos);
  caves.DemoHeaderAt(s.caveNo, DemoLengthHighColumn) = uint8_t(length >> 8);
  caves.DemoHeaderAt(s.caveNo, DemoLengthLowColumn) = uint8_t(length & 0xFF);
  if (!game.caveSet.caveSetFileName.empty() && !s.editorActive)
    WriteCaveSetFile(game.caveSet.caveSetFileName, caves);  // a failed write changes nothing in play
  s.demoEndScore = s.score;
  s.score = 0;
  shell.StopLoopedSounds();
  if (!s.editorActive) ReturnToTitle(game);
  CoverForDemoEnd(s, shell);
}

void EndDemoPlayback(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (DemoHasEnded(s)) return;  // a second end in the same pass must not redo the look-ahead
  s.demoEndScore = s.score;
  if (s.attractMode == 0) {
    if (!s.editorActive) ReturnToTitle(game);
  } else if (!ChainGoesOn(game)) {
    s.attractMode = 0;
  }
  CoverForDemoEnd(s, shell);
}

}  // namespace quarrion
