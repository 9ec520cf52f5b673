#include "core/game_flow.h"

#include <algorithm>

#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/demo.h"

namespace quarrion {
namespace {

constexpr int kClickSound = 21;
constexpr int kCaveStartSound = 16;
constexpr uint8_t kMaxLives = 9;
constexpr int32_t kLifeEvery = 500;

int32_t NextLifeScoreFor(int32_t score) {
  return score == 0 ? kLifeEvery : (score / kLifeEvery) * kLifeEvery + kLifeEvery;
}

void NewGame(PlayState& s) {
  s.lives = 3;
  s.score = 0;
  s.nextLifeScore = kLifeEvery;
}

bool IsSavedPosition(const GameState& game) {
  const CaveSet& caves = game.caves;
  return game.play.caveNo == caves.Record(kSavedCaveColumn) &&
         game.play.levelNo == caves.Record(kSavedLevelColumn) && caves.Record(kSavedLivesColumn) != 0;
}

void GameOver(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  game.caves.Record(kSavedLivesColumn) = 0;  // the next start at this cave is a new game
  s.lives = 0;
  s.score = 0;
  s.nextLifeScore = kLifeEvery;
  if (!game.caveSet.caveSetFileName.empty() && !s.editorActive)
    WriteCaveSetFile(game.caveSet.caveSetFileName, game.caves);  // a failed write changes nothing in play
  s.coverCounter = kGameOverTicks;
  shell.PlaySound(kCaveStartSound);
  s.phase = PhaseGameOver;
}

}  // namespace

uint8_t NextCaveInOrder(int cave) {
  switch (cave) {
    case 3: return 16;
    case 7: return 17;
    case 11: return 18;
    case 15: return 19;
    case 16: return 4;
    case 17: return 8;
    case 18: return 12;
    case 19: return 0;
    default:
      // a cave number from a damaged file leads back to the first cave
      return cave >= 0 && cave < kCaveCount - 1 ? uint8_t(cave + 1) : uint8_t{0};
  }
}

void AdvanceCave(PlayState& s) {
  const bool aroundToFirst = s.caveNo == kCaveCount - 1;
  s.caveNo = NextCaveInOrder(s.caveNo);
  if (aroundToFirst && s.levelNo < kLevelCount - 1) ++s.levelNo;
}

void ReturnToTitle(GameState& game) {
  PlayState& s = game.play;
  const CaveSet& caves = game.caves;
  s.attractMode = 0;
  s.demoRecording = 0;
  s.demoPlaying = 0;

  // a damaged record row must not point outside the set
  const uint8_t savedCave = caves.Record(kSavedCaveColumn);
  const uint8_t savedLevel = caves.Record(kSavedLevelColumn);
  s.caveNo = savedCave < kCaveCount ? savedCave : uint8_t{0};
  s.levelNo = savedLevel < kLevelCount ? savedLevel : uint8_t{0};
  // the title never offers a small cave: the one after it is shown instead
  if (IsSmallCave(s.caveNo)) AdvanceCave(s);

  const uint8_t savedLives = caves.Record(kSavedLivesColumn);
  if (savedLives == 0) {
    s.lives = 0;
    s.score = 0;
    s.nextLifeScore = kLifeEvery;
    return;
  }
  s.lives = std::min(savedLives, kMaxLives);
  s.score = int32_t(SavedScore(caves));
  s.nextLifeScore = NextLifeScoreFor(s.score);
}

void Start(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.titleIntro) {
    s.titleIntro = 0;  // the first start only leaves the intro picture
    return;
  }
  if (!IsSavedPosition(game)) NewGame(s);
  s.hintUsed = 0;  // a hint counts against the game it was asked in, until the next start
  s.demoRecording = 0;
  s.demoPlaying = 0;
  // a game started from inside the demo chain must end on the title, not in the next demo
  s.attractMode = 0;
  CaveStart(game, shell);
}

void Stop(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.titleIntro = 0;
  s.idleCounter = 24;
  if (s.lives == 1) {
    ESC(game, shell);
    return;
  }
  if (s.inGame != 1 || s.editorActive) return;
  ReturnToTitle(game);
  if (s.lives > 0) --s.lives;
  shell.PlaySound(kClickSound);
  shell.RestartMusic();
  s.inGame = 0;
}

void ESC(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.idleCounter = 24;
  s.titleIntro = 0;
  if (s.inGame != 1 || (s.phase != PhasePlay && s.phase != PhaseOutOfTime)) return;
  if (s.editorActive) {
    shell.ReturnToEditor();
    return;
  }
  if (s.demoRecording || s.demoPlaying) {
    // an aborted recording leaves the cave without a demo: its flag stays 0 and nothing is written
    ReturnToTitle(game);
    shell.PlaySound(kClickSound);
    shell.StopLoopedSounds();
    shell.RestartMusic();
    s.inGame = 0;
    return;
  }
  shell.StopLoopedSounds();
  if (IsSmallCave(s.caveNo)) {
    EnterNextCaveWait(s);  // a small cave is left without losing a life
  } else if (s.lives > 1) {
    --s.lives;
    CaveStart(game, shell);
  } else {
    GameOver(game, shell);
  }
}

void PauseKey(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.inGame != 1) return;
  if (s.phase == PhasePlay) {
    shell.StopLoopedSounds();
    FreezeAnimation(s);
    shell.PlaySound(kClickSound);
    s.phase = PhasePause;
  } else if (s.phase == PhasePause) {
    s.subFrame = s.savedSubFrame;
    s.animToggle = s.savedAnimToggle;
    shell.PlaySound(kClickSound);
    s.phase = PhasePlay;
  }
}

void PauseForHelp(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.phase != PhasePlay) return;
  shell.StopLoopedSounds();
  FreezeAnimation(s);
  s.phase = PhasePause;
}

void NextCaveKey(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.inGame != 1 || s.phase != PhasePlay || s.editorActive || s.demoRecording) return;
  if (s.demoPlaying) {
    s.caveNo = NextCaveInOrder(s.caveNo);
    PlayDemoCommand(game, shell);
    return;
  }
  shell.PlaySound(kClickSound);
  shell.StopLoopedSounds();
  EnterNextCaveWait(s);
  s.score = 0;
  s.lives = 3;
  s.nextLifeScore = kLifeEvery;
  s.hintUsed = 0;
}

void FreezeAnimation(PlayState& s) {
  s.savedSubFrame = s.subFrame;
  s.savedAnimToggle = s.animToggle;
}

void EnterNextCaveWait(PlayState& s) {
  FreezeAnimation(s);
  s.phase = PhaseNextCaveWait;
  s.nextCaveDelay = 1;
}

}  // namespace quarrion
