#include "core/game_phases.h"

#include "core/cave_scan.h"
#include "core/cave_set.h"
#include "core/cave_start.h"
#include "core/demo.h"
#include "core/game_flow.h"

namespace quarrion {
namespace {

constexpr int kCaveStartSound = 16;
constexpr int kExtraLifeSound = 17;
constexpr int kExitShortSound = 18;
constexpr int kExitLongSound = 19;
constexpr uint8_t kMaxLives = 9;
constexpr uint8_t kTimeBonusShortMark = 50;

// Cover and uncover flip the animation toggle at every whole step, like play does.
void CountCoverTick(PlayState& s) {
  --s.coverCounter;
  if (s.subFrame == 0) s.animToggle = uint8_t(1 - s.animToggle);
}

void Thaw(PlayState& s) {
  s.subFrame = s.savedSubFrame;
  s.animToggle = s.savedAnimToggle;
}

void PlayTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (s.subFrame != 0) return;
  s.animToggle = uint8_t(1 - s.animToggle);
  CaveScan(game, shell);
}

void CoverTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  CountCoverTick(s);
  if (s.coverCounter > 0) {
    CoverStep(game, 2);
    return;
  }
  CoverAll(game);
  s.coverCounter = kCoverTicks;
  s.phase = PhaseUncover;
  shell.StopSound(kCaveStartSound);
  shell.PlaySound(kCaveStartSound);
}

void UncoverTick(GameState& game) {
  PlayState& s = game.play;
  CountCoverTick(s);
  if (s.coverCounter > 0) {
    UncoverStep(game);
    return;
  }
  FinishUncover(game);
  s.phase = PhasePlay;
}

void StandStillTick(GameState& game) {
  PlayState& s = game.play;
  Thaw(s);
  if (game.params.caveTime == 0) s.playerAlive = 0;
}

void TimeBonusTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  Thaw(s);
  uint8_t& caveTime = game.params.caveTime;
  if (caveTime == 0) {
    // a completed small cave gives a life, without the extra-life sound
    if (IsSmallCave(s.caveNo) && s.lives < kMaxLives) ++s.lives;
    shell.StopLoopedSounds();
    s.phase = PhaseNextCaveWait;
    return;
  }
  --caveTime;
  if (caveTime == kTimeBonusShortMark) shell.PlaySound(kExitShortSound);
  if (caveTime == 0) shell.StopSound(kExitLongSound);
  s.score += s.levelNo + 1;
  if (s.score >= s.nextLifeScore) {
    s.nextLifeScore += 500;
    if (s.lives < kMaxLives) {
      ++s.lives;
      shell.PlaySound(kExtraLifeSound);
    }
  }
  if (s.hiScore < s.score && !s.hintUsed) {
    s.hiScore = s.score;
    StoreHiScore(game.caves, s.hiScore);
  }
}

void NextCaveWaitTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  Thaw(s);
  if (--s.nextCaveDelay > 0) return;
  if (s.editorActive) {
    shell.ReturnToEditor();
    return;
  }
  AdvanceCave(s);
  // a next cave that cannot be played is replaced by the first one, playable or not
  if (!IsCavePlayable(game.caves, s.caveNo, s.levelNo)) {
    s.caveNo = 0;
    s.levelNo = 0;
  }
  CaveStart(game, shell);
}

void FinalCoverTick(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  CountCoverTick(s);
  if (s.coverCounter > 0) {
    CoverStep(game, 4);
    return;
  }
  CoverAll(game);
  s.coverCounter = kCoverTicks;
  if (s.editorActive) {
    shell.ReturnToEditor();
  } else if (s.attractMode == 0) {
    shell.RestartMusic();
    ReturnToTitle(game);
    s.inGame = 0;
  } else {
    s.caveNo = NextCaveInOrder(s.caveNo);
    PlayDemoCommand(game, shell);
  }
}

void PhaseTick(GameState& game, ShellHooks& shell) {
  switch (game.play.phase) {
    case PhasePlay: PlayTick(game, shell); break;
    case PhaseCover: CoverTick(game, shell); break;
    case PhaseUncover: UncoverTick(game); break;
    case PhasePause:
    case PhaseOutOfTime: StandStillTick(game); break;
    case PhaseTimeBonus: TimeBonusTick(game, shell); break;
    case PhaseNextCaveWait: NextCaveWaitTick(game, shell); break;
    case PhaseGameOver:
    case PhaseDemoEnd: FinalCoverTick(game, shell); break;
    default: break;  // no other phase is ever set
  }
}

bool IsFrozenWait(uint8_t phase) { return phase == PhaseTimeBonus || phase == PhaseNextCaveWait; }

void EnterOutOfTime(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  if (game.params.caveTime != 0 || s.phase >= PhaseTimeBonus) return;
  if (s.demoRecording) EndDemoRecording(game, shell);
  // the recording's end has covered the screen already; out of time would leave it stranded
  if (s.phase >= PhaseTimeBonus) return;
  s.phase = PhaseOutOfTime;
  FreezeAnimation(s);
}

}  // namespace

void PlayPassSounds(GameState& game, ShellHooks& shell) {
  const SoundEvents& e = game.sounds;
  Random& random = game.random;
  switch (e.sndFall) {
    case 1: shell.PlaySound(int(random(3))); break;
    case 2: shell.PlaySound(3); break;
    case 3: shell.PlaySound(4); break;
    default: break;
  }
  switch (e.sndPlayer) {
    case 1: shell.PlaySound(5 + int(random(2))); break;
    case 2: shell.PlaySound(7); break;
    case 3: shell.PlaySound(8); break;
    case 4: shell.PlaySound(9); break;
    default: break;
  }
  if (e.sndExplosion == 1) shell.PlaySound(11 + int(random(2)));
  if (e.sndOoze == 1) shell.PlaySound(14);
  if (e.sndOoze == 2) shell.PlaySound(22);
  if (e.sndKilled == 1) shell.PlaySound(10);
  if (e.sndChime == 1) shell.PlaySound(15);
  if (e.sndExitLong == 1) shell.PlaySound(kExitLongSound);
  if (e.sndExitShort == 1) shell.PlaySound(kExitShortSound);
  if (e.sndWall == 1) shell.PlaySound(9);
}

void Game(GameState& game, ShellHooks& shell) {
  PlayState& s = game.play;
  s.idleCounter = 24;
  game.sounds = SoundEvents{};

  const uint8_t phaseBefore = s.phase;
  PhaseTick(game, shell);
  // the exit enters the time bonus inside the pass; from there on the animation stands still
  if (IsFrozenWait(s.phase) && !IsFrozenWait(phaseBefore)) FreezeAnimation(s);

  shell.UpdateCamera();
  shell.DrawGameFrame();
  EnterOutOfTime(game, shell);

  s.subFrame = uint8_t((s.subFrame + 1) % kTicksPerPass);
  if (s.subFrame == 1) PlayPassSounds(game, shell);
}

}  // namespace quarrion
